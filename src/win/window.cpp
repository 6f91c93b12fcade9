#include "win/window.h"

#include <commctrl.h>

namespace pelkor::win {

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

void Window::Subclass(HWND control) {
    ::SetWindowSubclass(control, &Window::ControlProc, 1, reinterpret_cast<DWORD_PTR>(this));
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

LRESULT CALLBACK Window::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR selfData) {
    auto* self = reinterpret_cast<Window*>(selfData);
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &Window::ControlProc, id);
    try {
        if (auto handled = self->HandleControlMessage(hwnd, message, wParam, lParam)) return *handled;
    } catch (...) {
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace pelkor::win
