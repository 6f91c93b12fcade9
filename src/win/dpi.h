#pragma once
// The one place where design sizes in twips become pixels.
#include <windows.h>

#include "win/system_library.h"

namespace pelkor::win {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;
// WM_GETDPISCALEDSIZE, sent from Windows 10 1703 on; the Windows 7 headers lack it.
inline constexpr UINT kGetDpiScaledSize = 0x02E4;

// Pixels for a length in twips at the given dots per inch (15 twips a pixel at 96).
inline int TwipsToPixels(int twips, int dpi) { return ::MulDiv(twips, dpi, kTwipsPerInch); }
// Pixels for a font size in points.
inline int PointsToPixels(int points, int dpi) { return ::MulDiv(points, dpi, 72); }

// The functions that tell a window's DPI where the system has them; each answers 0 where
// it has not. Looked up at run time, so that the exe still starts on older systems; tests
// put a system of their own in place of this one.
class DpiFunctions {
public:
    virtual ~DpiFunctions() = default;
    // GetDpiForWindow, from Windows 10 1607 on.
    virtual UINT ForWindow(HWND window);
    // GetDpiForMonitor's effective DPI (shcore), from Windows 8.1 on.
    virtual UINT ForMonitor(HMONITOR monitor);

private:
    SystemLibrary shcore_{L"shcore.dll"};  // loaded only where GetDpiForWindow is missing
};

// The screen's DPI, which every window has on systems older than per-monitor awareness.
int SystemDpi();
// The window's DPI: its own, else its monitor's (Windows 8.1 and 10 before 1607 are
// per-monitor aware without GetDpiForWindow), else the screen's.
int DpiOf(HWND window, DpiFunctions& system);
// Lets the system scale the frame and caption of a top-level window with its monitor's
// DPI, which per-monitor awareness before Windows 10 1703 leaves unscaled; to be called at
// WM_NCCREATE. Nothing where the system lacks it.
void ScaleNonClientArea(HWND window);
// The outer size of a window whose client area has the given size.
SIZE OuterSizeFor(SIZE client, DWORD style, DWORD exStyle, int dpi);
// The status font of the system's non-client metrics, which the tooltip control takes
// as its own, for the given DPI.
LOGFONTW StatusFontAt(int dpi);
// Top-left corner that centres a window of this size on the work area of the monitor
// of `window` (the primary one for null).
POINT CentredOnMonitor(HWND window, SIZE size);
// The same on the primary monitor, for a window yet to be made.
POINT CentredOnPrimaryMonitor(SIZE size);
// Moves a window to the rectangle that WM_DPICHANGED suggests (the message's lParam).
void MoveToSuggestedRect(HWND window, LPARAM suggested);

}  // namespace pelkor::win
