#include "win/tooltip.h"

#include <algorithm>

#include "win/dpi.h"

namespace pelkor::win {
namespace {

constexpr wchar_t kBubbleClass[] = L"PelkorTooltip";
constexpr UINT_PTR kShowTimer = 1;
// While a bubble is up, how often the pointer is looked for: it may leave for another
// program's window, which sends this one no message.
constexpr UINT_PTR kWatchTimer = 2;
constexpr UINT kWatchMs = 100;

bool IsMouseDown(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MOUSEWHEEL: return true;
        default: return false;
    }
}

// The system's timing for help bubbles: they come after a double-click time's rest
// and go ten times that later.
UINT InitialDelayMs() { return ::GetDoubleClickTime(); }
ULONGLONG VisibleMs() { return 10ull * ::GetDoubleClickTime(); }

}  // namespace

Tooltip::~Tooltip() {
    if (bubble_) ::DestroyWindow(bubble_);
}

void Tooltip::Add(HWND owner, HWND control, std::wstring_view text) {
    owner_ = owner;
    tools_.push_back({control, std::wstring(text)});
}

std::wstring_view Tooltip::TextOf(HWND control) const {
    const Tool* tool = ToolOf(control);
    return tool ? std::wstring_view(tool->text) : std::wstring_view();
}

HWND Tooltip::ShownBubble() const { return bubble_ && ::IsWindowVisible(bubble_) ? bubble_ : nullptr; }

const Tooltip::Tool* Tooltip::ToolOf(HWND control) const {
    const auto it = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.control == control; });
    return it == tools_.end() ? nullptr : &*it;
}

void Tooltip::Relay(HWND target, UINT message) {
    if (tools_.empty()) return;
    if (IsMouseDown(message)) {
        // A press answers the bubble until the pointer has left the control.
        if (state_ != State::Idle) Hide(State::Spent);
        return;
    }
    if (message != WM_MOUSEMOVE) return;
    if (!ToolOf(target)) {
        if (state_ != State::Idle) Hide(State::Idle);
        current_ = nullptr;
        return;
    }
    if (target == current_ && state_ != State::Idle) return;
    if (state_ != State::Idle) Hide(State::Idle);
    Wait(target);
}

bool Tooltip::EnsureBubble() {
    if (bubble_) return true;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(instance, kBubbleClass, &wc)) {
        wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = CS_SAVEBITS | CS_DROPSHADOW;
        wc.lpfnWndProc = &Tooltip::BubbleProc;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
        wc.lpszClassName = kBubbleClass;
        ::RegisterClassExW(&wc);
    }
    // Owned by the window, so it goes with it, stays above it and never takes the focus.
    ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kBubbleClass, L"", WS_POPUP | WS_BORDER,
                      0, 0, 0, 0, owner_, nullptr, instance, this);
    return bubble_ != nullptr;
}

void Tooltip::Wait(HWND control) {
    current_ = control;
    if (!EnsureBubble()) return;
    state_ = State::Waiting;
    ::SetTimer(bubble_, kShowTimer, InitialDelayMs(), nullptr);
}

bool Tooltip::PointerOnCurrent() const {
    POINT at{};
    return current_ && ::GetCursorPos(&at) && ::WindowFromPoint(at) == current_;
}

void Tooltip::Show() {
    const Tool* tool = ToolOf(current_);
    if (!tool || !bubble_) return;
    const int dpi = DpiOf(owner_);

    // The system's status-bar font, at the window's DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW face = metrics.lfStatusFont;
    HDC screen = ::GetDC(nullptr);
    face.lfHeight = ::MulDiv(face.lfHeight, dpi, ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    font_.reset(::CreateFontIndirectW(&face));

    HDC dc = ::GetDC(bubble_);
    const HGDIOBJ old = ::SelectObject(dc, font_.get());
    RECT text{};
    ::DrawTextW(dc, tool->text.c_str(), static_cast<int>(tool->text.size()), &text,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::ReleaseDC(bubble_, dc);

    RECT outer{0, 0, text.right + 2 * ::MulDiv(4, dpi, 96), text.bottom + 2 * ::MulDiv(2, dpi, 96)};
    ::AdjustWindowRectEx(&outer, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;

    // Below the pointer's tip, kept inside the work area of its monitor.
    POINT at{};
    ::GetCursorPos(&at);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int x = std::clamp<int>(at.x, work.left, std::max<int>(work.left, work.right - width));
    int y = at.y + ::MulDiv(20, dpi, 96);
    if (y + height > work.bottom) y = at.y - height - ::MulDiv(4, dpi, 96);
    y = std::max<int>(y, work.top);

    ::SetWindowPos(bubble_, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(bubble_, nullptr, TRUE);
    state_ = State::Shown;
    shownAt_ = ::GetTickCount64();
    ::SetTimer(bubble_, kWatchTimer, kWatchMs, nullptr);
}

void Tooltip::Hide(State next) {
    if (bubble_) {
        ::KillTimer(bubble_, kShowTimer);
        if (::IsWindowVisible(bubble_)) ::ShowWindow(bubble_, SW_HIDE);
        if (next == State::Spent) {
            ::SetTimer(bubble_, kWatchTimer, kWatchMs, nullptr);
        } else {
            ::KillTimer(bubble_, kWatchTimer);
        }
    }
    state_ = next;
}

void Tooltip::OnTimer(UINT_PTR id) {
    if (id == kShowTimer) {
        ::KillTimer(bubble_, kShowTimer);
        if (state_ != State::Waiting) return;
        if (PointerOnCurrent()) {
            Show();
        } else {
            Hide(State::Idle);
            current_ = nullptr;
        }
    } else if (id == kWatchTimer) {
        if (!PointerOnCurrent()) {
            Hide(State::Idle);
            current_ = nullptr;
        } else if (state_ == State::Shown && ::GetTickCount64() - shownAt_ >= VisibleMs()) {
            Hide(State::Spent);
        }
    }
}

void Tooltip::Paint() {
    const Tool* tool = ToolOf(current_);
    PAINTSTRUCT ps{};
    HDC dc = ::BeginPaint(bubble_, &ps);
    RECT r{};
    ::GetClientRect(bubble_, &r);
    ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_INFOBK));
    if (tool && font_) {
        const HGDIOBJ old = ::SelectObject(dc, font_.get());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
        ::DrawTextW(dc, tool->text.c_str(), static_cast<int>(tool->text.size()), &r,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        ::SelectObject(dc, old);
    }
    ::EndPaint(bubble_, &ps);
}

LRESULT CALLBACK Tooltip::BubbleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Tooltip*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->bubble_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Tooltip*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_NCHITTEST: return HTTRANSPARENT;  // the pointer goes through to the control
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_TIMER: self->OnTimer(wParam); return 0;
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: self->Paint(); return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->bubble_ = nullptr;
            self->state_ = State::Idle;
            break;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace pelkor::win
