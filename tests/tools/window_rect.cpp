// Prints the screen rectangle of a top-level window of a class as WxH+X+Y (for cropping screenshots).
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    HWND window = ::FindWindowW(argv[1], nullptr);
    if (!window) return 1;
    RECT r{};
    ::GetWindowRect(window, &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}
