#include "win/window.h"

#include "win/dpi.h"

namespace pelkor::win {
namespace {

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

}  // namespace

Window::~Window() { Destroy(); }

void Window::Destroy() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void Window::RegisterWindowClass(const wchar_t* className) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    ::RegisterClassExW(&wc);
}

bool Window::CreateHidden(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                          const RECT* place) {
    const RECT r = place ? *place : RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    const int width = place ? r.right - r.left : CW_USEDEFAULT;
    const int height = place ? r.bottom - r.top : CW_USEDEFAULT;
    ::CreateWindowExW(exStyle, className, caption, style & ~DWORD{WS_VISIBLE}, r.left, r.top, width, height, nullptr,
                      nullptr, ::GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> Window::HandleControlMessage(HWND, UINT, WPARAM, LPARAM) { return std::nullopt; }

// A subclassed control finds its window through its parent, and its own procedure in
// the window's list. Nothing is stored on the control itself: its user data lives in
// the window server under Wine, a request for every control at start-up, and the common
// controls' SetWindowSubclass asks a window property on every message.
void Window::Subclass(HWND control) {
    hooked_.push_back({control, nullptr});
    hooked_.back().original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::ControlProc)));
}

Window* Window::OwnerOf(HWND control) {
    HWND parent = ::GetParent(control);
    return parent ? reinterpret_cast<Window*>(::GetWindowLongPtrW(parent, GWLP_USERDATA)) : nullptr;
}

WNDPROC Window::OriginalProc(HWND control) const {
    for (const Hooked& h : hooked_) {
        if (h.control == control) return h.original;
    }
    return nullptr;
}

LRESULT Window::CallControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const {
    const WNDPROC original = OriginalProc(control);
    if (!original) return ::DefWindowProcW(control, message, wParam, lParam);
    return ::CallWindowProcW(original, control, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        // Every window of this procedure is a top-level one.
        ScaleNonClientArea(hwnd);
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    if (IsMouseMessage(message)) self->tooltips_.Relay(hwnd, message);
    if (message == WM_DPICHANGED) self->tooltips_.SetDpi(HIWORD(wParam));
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Handlers catch their own failures; anything left must not unwind into USER32.
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnDestroyed();
    }
    return result;
}

LRESULT CALLBACK Window::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = OwnerOf(hwnd);
    const WNDPROC original = self ? self->OriginalProc(hwnd) : nullptr;
    if (!original) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The control's last message: it gets its own procedure back.
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        std::erase_if(self->hooked_, [hwnd](const Hooked& h) { return h.control == hwnd; });
    } else {
        if (IsMouseMessage(message)) self->tooltips_.Relay(hwnd, message);
        try {
            if (auto handled = self->HandleControlMessage(hwnd, message, wParam, lParam)) return *handled;
        } catch (...) {
        }
    }
    return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace pelkor::win
