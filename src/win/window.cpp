#include "win/window.h"

namespace pelkor::win {
namespace {

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

}  // namespace

Window::~Window() { Destroy(); }

void Window::Destroy() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void Window::RegisterWindowClass(const wchar_t* className, HICON icon, HICON smallIcon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    ::RegisterClassExW(&wc);
}

bool Window::CreateHidden(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle) {
    ::CreateWindowExW(exStyle, className, caption, style & ~WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> Window::HandleControlMessage(HWND, UINT, WPARAM, LPARAM) { return std::nullopt; }

namespace {

// Kept in a subclassed control's user data: the window that sees its messages first,
// and the control's own procedure. The common controls' SetWindowSubclass looks its
// data up in a window property on every message, which Wine answers through its
// server: a tenth of a millisecond for every message to every control.
struct ControlHook {
    Window* window;
    WNDPROC original;
};

}  // namespace

void Window::Subclass(HWND control) {
    auto* hook = new ControlHook{this, nullptr};
    ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(hook));
    hook->original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::ControlProc)));
}

LRESULT Window::CallControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* hook = reinterpret_cast<ControlHook*>(::GetWindowLongPtrW(control, GWLP_USERDATA));
    if (!hook) return ::DefWindowProcW(control, message, wParam, lParam);
    return ::CallWindowProcW(hook->original, control, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    if (IsMouseMessage(message)) self->tooltips_.Relay(hwnd, message);
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
    auto* hook = reinterpret_cast<ControlHook*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!hook) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC original = hook->original;
    if (message == WM_NCDESTROY) {
        // The control's last message: it gets its own procedure back.
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete hook;
    } else {
        if (IsMouseMessage(message)) hook->window->tooltips_.Relay(hwnd, message);
        try {
            if (auto handled = hook->window->HandleControlMessage(hwnd, message, wParam, lParam)) return *handled;
        } catch (...) {
        }
    }
    return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace pelkor::win
