#include "win/form_window.h"

#include <algorithm>
#include <string>

#include "win/dpi.h"
#include "win/owner_draw.h"
#include "win/text_fit.h"

namespace pelkor::win {

std::size_t FormWindow::RowOf(HWND control) const {
    if (!control) return controls_.size();
    return static_cast<std::size_t>(std::find(controls_.begin(), controls_.end(), control) - controls_.begin());
}

std::wstring FormWindow::Caption(std::size_t row) const {
    HWND control = controls_[row];
    const int length = ::GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

HFONT FormWindow::FontOf(std::size_t row) {
    FontDesc desc = FontDescOf(design_[row].font, language_, IsLitLink(row));
    desc.height = narrowed_[row].height;
    desc.width = narrowed_[row].width;
    desc.outline = narrowed_[row].outline;
    return fonts_.Get(desc);
}

HWND FormWindow::AddControl(std::size_t row, bool startsGroup) {
    HWND control = CreateControl(hwnd(), design_, row, dpi_, language_, startsGroup);
    controls_[row] = control;
    GiveFont(row, false);
    Subclass(control);
    if (!design_[row].tooltip.empty()) AddTooltip(control, design_[row].tooltip.In(language_));
    return control;
}

void FormWindow::ApplyLayout() {
    for (std::size_t row = 0; row < design_.size(); ++row) {
        const RECT r = PixelRect(design_, row, dpi_);
        ::SetWindowPos(controls_[row], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        GiveFont(row, true);
    }
}

void FormWindow::GiveFont(std::size_t row, bool redraw) {
    narrowed_[row] = FittingOf(row);
    ::SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row)), redraw);
}

void FormWindow::KeepClientHeight() {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE));
    const int reported = OuterSizeFor({0, 0}, style, exStyle, dpi_).cy;
    RECT outer{};
    RECT client{};
    ::GetWindowRect(hwnd(), &outer);
    ::GetClientRect(hwnd(), &client);
    const int drawn = (outer.bottom - outer.top) - client.bottom;
    if (drawn == reported) return;
    ::SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + drawn - reported,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::FitText(std::size_t row) {
    const Fitting fitting = FittingOf(row);
    if (fitting == narrowed_[row]) return;
    narrowed_[row] = fitting;
    ::SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row)), TRUE);
}

Fitting FormWindow::FittingOf(std::size_t row) {
    const ControlRow& entry = design_[row];
    if (!HasCaption(entry.kind)) return {};
    const std::wstring text = Caption(row);
    if (text.empty()) return {};

    RECT client{};
    ::GetClientRect(controls_[row], &client);
    int captionEnd = 0;
    if (const int end = entry.kind == Kind::Frame ? CaptionEnd(design_, row) : 0) {
        const int frameLeft = DesignRect(design_, row).left;
        captionEnd = TwipsToPixels(frameLeft + end, dpi_) - TwipsToPixels(frameLeft, dpi_);
    }
    // Measured with the font as designed: a narrower one is only ever a fallback.
    const FontDesc own = FontDescOf(entry.font, language_);
    if (!measuring_) measuring_.reset(::CreateCompatibleDC(nullptr));
    HDC dc = measuring_.get();
    HGDIOBJ old = ::SelectObject(dc, fonts_.Get(own));
    const TextRoom room = RoomFor(entry.kind, {client.right, client.bottom}, dpi_, dc, captionEnd);
    ::SelectObject(dc, old);
    return FittingFont(dc, fonts_, ink_, own, ShownCaption(entry.kind, text), room);
}

void FormWindow::SetLinkLook(bool highlighted) {
    if (linkHighlighted_ == highlighted) return;
    linkHighlighted_ = highlighted;
    HWND link = controls_[linkRow_];
    ::SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(linkRow_)), TRUE);
    ::InvalidateRect(link, nullptr, TRUE);
}

HBRUSH FormWindow::OnControlColour(HDC dc, HWND control) {
    const std::size_t row = RowOf(control);
    COLORREF back = ::GetSysColor(COLOR_BTNFACE);
    if (row < design_.size()) {
        const Colours colours = ColoursOf(row);
        if (colours.text != kNoColour) ::SetTextColor(dc, colours.text);
        // A push button's colour is its face, which it draws itself.
        if (design_[row].kind != Kind::Button && colours.back != kNoColour) back = colours.back;
    }
    ::SetBkColor(dc, back);
    return brushes_.Get(back);
}

void FormWindow::ActivateLink() {
    HWND link = controls_[linkRow_];
    ::SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(link), STN_CLICKED), reinterpret_cast<LPARAM>(link));
}

bool FormWindow::EnterOpensLink(WPARAM wParam, LPARAM lParam) {
    if (lParam || LOWORD(wParam) != IDOK || ::GetFocus() != controls_[linkRow_]) return false;
    ActivateLink();
    return true;
}

void FormWindow::SaveFocus() {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(hwnd(), focus)) savedFocus_ = focus;
}

HWND FormWindow::FocusToRestore() const {
    if (savedFocus_ && ::IsChild(hwnd(), savedFocus_) && ::IsWindowVisible(savedFocus_) &&
        ::IsWindowEnabled(savedFocus_)) {
        return savedFocus_;
    }
    return FirstFocus();
}

void FormWindow::RestoreFocus(HWND control) {
    // A text box comes back with its text selected, as in a dialog, ready to be typed over.
    if (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) ::SendMessageW(control, EM_SETSEL, 0, -1);
    ::SetFocus(control);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = DpiOf(hwnd(), dpiFunctions());
            fonts_.SetDpi(dpi_);
            CreateControls();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(
                OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_ACTIVATE:
            // As in a dialog: the focused control is remembered when a message box, the other
            // window or another program takes over, and has the focus again when this window
            // is active again, where the system would give it to the window itself.
            if (LOWORD(wParam) == WA_INACTIVE) {
                SaveFocus();
            } else if (!HIWORD(wParam)) {
                if (HWND control = FocusToRestore()) {
                    RestoreFocus(control);
                } else {
                    ::SetFocus(hwnd());
                }
            }
            return 0;
        case WM_SETFOCUS:
            if (HWND control = FocusToRestore()) RestoreFocus(control);
            return 0;
        case kGetDpiScaledSize:
            // Left unanswered, the system scales the outer size linearly, and the client
            // area, inside a frame that does not scale so, ends a few pixels off the design.
            *reinterpret_cast<SIZE*>(lParam) = DesignedOuterSize(static_cast<int>(wParam));
            return TRUE;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE: OnSystemChange(message == WM_SYSCOLORCHANGE); return 0;
        case WM_DPICHANGED:
            dpi_ = HIWORD(wParam);
            fonts_.SetDpi(dpi_);
            OnDpiChanged();
            ApplyLayout();
            MoveToSuggestedRect(hwnd(), lParam);
            KeepClientHeight();
            return 0;
        default: return Window::HandleMessage(message, wParam, lParam);
    }
}

std::optional<LRESULT> FormWindow::HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (control != controls_[linkRow_]) return std::nullopt;
    switch (message) {
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (const LRESULT answer = linkObject_.Answer(control, wParam, language_)) return answer;
            }
            break;
        case WM_KEYUP:
            // Space opens the focused link, as it presses a focused button; Enter comes
            // through the window's default command.
            if (wParam == VK_SPACE) {
                ActivateLink();
                return 0;
            }
            break;
        case WM_SETCURSOR:
            // The hand a link shows in a browser.
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE: ::InvalidateRect(control, nullptr, FALSE); break;
        case WM_PAINT:
            if (::GetFocus() == control) {
                // The mark is drawn inverted over the label, so the label is repainted whole first.
                ::InvalidateRect(control, nullptr, FALSE);
                const LRESULT result = CallControlProc(control, message, wParam, lParam);
                DrawLabelFocus(control);
                return result;
            }
            break;
        default: break;
    }
    return std::nullopt;
}

}  // namespace pelkor::win
