// Waits up to a number of seconds (default 0) for a visible top-level window of a class and
// prints its screen rectangle as WxH+X+Y (for cropping screenshots); exits 1 if none shows.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    // The rectangle in the screen's own pixels: to a program unaware of the scale, Wine 10
    // (like Windows) gives it scaled back to 96 DPI.
    ::SetProcessDPIAware();
    const ULONGLONG wait = argc > 2 ? std::wcstoul(argv[2], nullptr, 10) * 1000ULL : 0;
    const ULONGLONG start = ::GetTickCount64();
    HWND window = nullptr;
    // Hidden, the window may still be loading, or wait behind a message box of its own.
    while (!(window = ::FindWindowW(argv[1], nullptr)) || !::IsWindowVisible(window)) {
        if (::GetTickCount64() - start >= wait) return 1;
        ::Sleep(50);
    }
    RECT r{};
    ::GetWindowRect(window, &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}
