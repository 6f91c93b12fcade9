#include "win/dpi.h"

#include <type_traits>

namespace pelkor::win {
namespace {

// Looked up at run time so that the exe still starts on Windows versions
// without per-monitor DPI functions.
template <typename Fn>
Fn User32Function(const char* name) {
    return LoadedFunction<Fn>(L"user32.dll", name);
}

}  // namespace

UINT DpiFunctions::ForWindow(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    return getDpiForWindow ? getDpiForWindow(window) : 0;
}

UINT DpiFunctions::ForMonitor(HMONITOR monitor) {
    // shellscalingapi.h's MONITOR_DPI_TYPE and MDT_EFFECTIVE_DPI, which the Windows 7 headers lack.
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;
    const auto getDpiForMonitor = shcore_.Get<std::remove_pointer_t<GetDpiForMonitorFn>>("GetDpiForMonitor");
    UINT x = 0, y = 0;
    return getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) ? y : 0;
}

int SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

int DpiOf(HWND window, DpiFunctions& system) {
    if (window) {
        if (const UINT dpi = system.ForWindow(window)) return static_cast<int>(dpi);
        if (const UINT dpi = system.ForMonitor(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST))) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

void ScaleNonClientArea(HWND window) {
    using EnableFn = BOOL(WINAPI*)(HWND);
    static const auto enable = User32Function<EnableFn>("EnableNonClientDpiScaling");
    // It fails for a window that is not per-monitor aware, which then needs no scaling of its own.
    if (enable) enable(window);
}

SIZE OuterSizeFor(SIZE client, DWORD style, DWORD exStyle, int dpi) {
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW StatusFontAt(int dpi) {
    using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = User32Function<ForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics.lfStatusFont;
    }
    // Older systems give the metrics at the screen's DPI only.
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    metrics.lfStatusFont.lfHeight = ::MulDiv(metrics.lfStatusFont.lfHeight, dpi, SystemDpi());
    return metrics.lfStatusFont;
}

namespace {

POINT CentredOn(HMONITOR monitor, SIZE size) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(monitor, &info);
    const RECT& area = info.rcWork;
    return {area.left + ((area.right - area.left) - size.cx) / 2, area.top + ((area.bottom - area.top) - size.cy) / 2};
}

}  // namespace

POINT CentredOnMonitor(HWND window, SIZE size) {
    if (!window) return CentredOnPrimaryMonitor(size);
    return CentredOn(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), size);
}

POINT CentredOnPrimaryMonitor(SIZE size) {
    return CentredOn(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), size);
}

void MoveToSuggestedRect(HWND window, LPARAM suggested) {
    const RECT& r = *reinterpret_cast<const RECT*>(suggested);
    ::SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pelkor::win
