// The start-up baseline: one empty window with the main window's outer size and
// frame, shown centred, and nothing else. It ends when the window is closed.
// Built with PELKOR_BARE_CONTROLS it is a second reference: the same window holding
// the main window's controls, created from its design with nothing set on them (no
// fonts, no values, no hooks), which is what the controls alone cost.
#include <windows.h>

#include "form1/form1_design.h"
#ifdef PELKOR_BARE_CONTROLS
#include "win/form_design.h"
#endif

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"PelkorBaseline";
    ::RegisterClassExW(&wc);

    // Same arithmetic as the main window at start-up: the shown outer width, and the
    // outer height of the designed client area.
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    RECT outer{0, 0, 0, ::MulDiv(pelkor::app::kDesignClientHeight, dpi, 1440)};
    ::AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    const int width = ::MulDiv(pelkor::app::kShownOuterWidth, dpi, 1440);
    const int height = outer.bottom - outer.top;

    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"Baseline", kStyle,
                                    work.left + (work.right - work.left - width) / 2,
                                    work.top + (work.bottom - work.top - height) / 2, width, height, nullptr, nullptr,
                                    instance, nullptr);
    if (!window) return 1;
#ifdef PELKOR_BARE_CONTROLS
    for (const std::size_t row : pelkor::win::ZOrder(pelkor::app::kForm1)) {
        pelkor::win::CreateControl(window, pelkor::app::kForm1, row, dpi, pelkor::win::Language::Japanese);
    }
#endif
    ::ShowWindow(window, SW_SHOW);

    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
