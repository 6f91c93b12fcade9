#include "win/tooltip.h"

#include <commctrl.h>

#include <string>

namespace pelkor::win {

HWND CreateTooltip(HWND owner) {
    return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

void AddTooltip(HWND tooltip, HWND owner, HWND control, std::wstring_view text) {
    if (!tooltip) return;
    std::wstring copy(text);
    TOOLINFOW info{};
    // The version 5 common controls (no visual styles) reject the larger structure.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = copy.data();
    ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace pelkor::win
