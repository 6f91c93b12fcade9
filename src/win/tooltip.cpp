#include "win/tooltip.h"

#include <commctrl.h>

#include <algorithm>

namespace pelkor::win {

void Tooltip::Add(HWND owner, HWND control, std::wstring_view text) {
    owner_ = owner;
    tools_.push_back({control, std::wstring(text)});
}

std::wstring_view Tooltip::TextOf(HWND control) const {
    const auto it = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.control == control; });
    return it == tools_.end() ? std::wstring_view() : std::wstring_view(it->text);
}

void Tooltip::SetDpi(int dpi) {
    if (!tip_) return;  // made later, at the owner's DPI then
    // The control scales nothing itself: it keeps the font it was made with, the
    // status font at the system's DPI, whatever monitor the window moves to.
    LOGFONTW face = StatusFontAt(dpi);
    UniqueFont font(::CreateFontIndirectW(&face));
    if (!font) return;
    ::SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    font_ = std::move(font);  // the old one only once the control has let go of it
}

HWND Tooltip::ShownBubble() const { return tip_ && ::IsWindowVisible(tip_) ? tip_ : nullptr; }

bool Tooltip::EnsureControl() {
    if (tip_) return true;
    if (failed_) return false;  // tried once: a system without the control shows no bubbles
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    const auto init = commonControls_.Get<decltype(::InitCommonControlsEx)>("InitCommonControlsEx");
    if (init && init(&classes)) {
        tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    }
    if (!tip_) {
        failed_ = true;
        return false;
    }
    SetDpi(DpiOf(owner_, dpi_));
    for (Tool& tool : tools_) {
        TTTOOLINFOW info{};
        // The common controls before version 6, which the program uses, refuse any
        // larger form of the structure than this one (Wine takes them all).
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = TTF_IDISHWND;
        info.hwnd = owner_;
        info.uId = reinterpret_cast<UINT_PTR>(tool.control);
        info.lpszText = tool.text.data();  // the control keeps its own copy
        ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    return true;
}

void Tooltip::Relay(HWND target, UINT message) {
    if (tools_.empty()) return;
    POINT at{};
    ::GetCursorPos(&at);
    if (message == WM_MOUSEMOVE) {
        // A window that appears under a resting pointer hears of it as a move, and Wine
        // reports a pointer set again where it was as one too. Only a real move counts:
        // the tooltip would start its wait anew on each, and would come, with comctl32,
        // before anyone had moved the pointer.
        const bool moved = lastTarget_ && (target != lastTarget_ || at.x != lastAt_.x || at.y != lastAt_.y);
        lastTarget_ = target;
        lastAt_ = at;
        if (!moved) return;
    } else if (!tip_) {
        return;
    }
    if (!EnsureControl()) return;
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.time = static_cast<DWORD>(::GetMessageTime());
    msg.pt = at;
    POINT client = at;
    ::ScreenToClient(target, &client);
    msg.lParam = MAKELPARAM(client.x, client.y);
    ::SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace pelkor::win
