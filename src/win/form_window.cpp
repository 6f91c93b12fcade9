#include "win/form_window.h"

#include <algorithm>

#include "win/dpi.h"

namespace pelkor::win {

std::size_t FormWindow::RowOf(HWND control) const {
    if (!control) return controls_.size();
    return static_cast<std::size_t>(std::find(controls_.begin(), controls_.end(), control) - controls_.begin());
}

void FormWindow::SetLinkLook(bool highlighted) {
    if (linkHighlighted_ == highlighted) return;
    linkHighlighted_ = highlighted;
    HWND link = controls_[linkRow_];
    ::SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(linkRow_)), TRUE);
    ::InvalidateRect(link, nullptr, TRUE);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = DpiOf(hwnd());
            fonts_.SetDpi(dpi_);
            CreateControls();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(
                OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DPICHANGED:
            dpi_ = HIWORD(wParam);
            fonts_.SetDpi(dpi_);
            OnDpiChanged();
            ApplyLayout();
            MoveToSuggestedRect(hwnd(), lParam);
            return 0;
        default: return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace pelkor::win
