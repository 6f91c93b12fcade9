#include "win/owner_draw.h"

#include <algorithm>
#include <string>

namespace pelkor::win {

void DrawFacedButton(const DRAWITEMSTRUCT& item, COLORREF face, HBRUSH faceBrush) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    ::FillRect(dc, &r, faceBrush);
    if (pressed) {
        ::FrameRect(dc, &r, ::GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        ::DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    }

    wchar_t text[128] = {};
    ::GetWindowTextW(item.hwndItem, text, static_cast<int>(std::size(text)));
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? ::SelectObject(dc, font) : nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetBkColor(dc, face);
    ::SetTextColor(dc, ::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT textRect = r;
    if (pressed) ::OffsetRect(&textRect, 1, 1);
    // Access keys are underlined only once the keyboard is in use, as the system shows them.
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    ::DrawTextW(dc, text, -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
    if (oldFont) ::SelectObject(dc, oldFont);

    // The focus shows as the system's dotted frame, and only while the window shows focus
    // marks (the system hides them until the keyboard is used, where the user so chose).
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focusRect = r;
        ::InflateRect(&focusRect, -3, -3);
        ::DrawFocusRect(dc, &focusRect);
    }
}

void DrawLabelFocus(HWND label) {
    if (::SendMessageW(label, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
    wchar_t text[128] = {};
    const int length = ::GetWindowTextW(label, text, static_cast<int>(std::size(text)));
    HDC dc = ::GetDC(label);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? ::SelectObject(dc, font) : nullptr;
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text, length, &extent);
    if (oldFont) ::SelectObject(dc, oldFont);
    RECT mark{};
    ::GetClientRect(label, &mark);
    mark.right = std::min(mark.right, mark.left + extent.cx + 2);
    ::DrawFocusRect(dc, &mark);
    ::ReleaseDC(label, dc);
}

UniqueIcon LoadExeIcon(int id, int width, int height) {
    return UniqueIcon(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

void DrawPicture(const DRAWITEMSTRUCT& item, HICON icon) {
    const RECT& r = item.rcItem;
    ::FillRect(item.hDC, &r, ::GetSysColorBrush(COLOR_BTNFACE));
    if (icon) ::DrawIconEx(item.hDC, r.left, r.top, icon, r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
}

}  // namespace pelkor::win
