#pragma once
// What the hover, about-box, launcher and web-page tests share: the main window with
// the pointer parked, the look of a link label, the real pointer, and clicks posted to
// this program's windows or to the real Pelkor.exe's.
#include <windows.h>

#include <string>
#include <vector>

#include "driver/pelkor_process.h"
#include "form2/form2.h"
#include "support/form_fixture.h"
#include "win/handles.h"

namespace pelkor::test {

using driver::PelkorProcess;
using driver::WaitFor;
using driver::WindowText;

// The main window on a typical game folder, with the real pointer parked away from it.
class ShownFormTest : public FormTest {
protected:
    void SetUp() override;
    // Clicks the version button; the about box, once it is open.
    app::Form2* OpenAboutBox();
    // What USER32 sends to the window under the pointer once it has hit-tested it.
    static void MoveOver(HWND window) { ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)); }
};

// How a link label is painted: the text colour its window answers WM_CTLCOLORSTATIC
// with, and whether its font is underlined.
struct LinkLook {
    COLORREF text;
    bool underlined;
    bool operator==(const LinkLook&) const = default;
};
LinkLook LookOf(HWND label);

// The top of the z-order, where a test puts its window to hit-test points of it, and
// the real pointer are shared by every test program on the display. A test that uses
// them holds this for the while (tests run side by side); taking and letting go of it
// also parks the pointer in the screen's top-left corner, away from every test window,
// so that no stray mouse move reaches a window under test.
class ScreenTurn {
public:
    ScreenTurn();
    ~ScreenTurn();
    ScreenTurn(const ScreenTurn&) = delete;
    ScreenTurn& operator=(const ScreenTurn&) = delete;

private:
    win::UniqueHandle turn_;
};

// Whether one window stands in front of another. (Which window is active depends on
// which test program has the foreground, and tests run side by side.)
bool InFrontOf(HWND front, HWND back);
// The top-level windows of a thread that are of this class.
std::vector<HWND> WindowsOf(DWORD thread, const wchar_t* className);
// The child control of a window that bears this caption.
HWND ChildWithText(HWND window, const wchar_t* caption);
// A click on a push button or on a link label, posted as the user's click arrives,
// so that it works alike on this program's windows and on another program's.
bool PostClick(HWND control);

// A program built beside the test program.
std::wstring BuiltProgram(const wchar_t* name);
// The real Pelkor.exe started on the folder with a typical gr.ini, from `startedIn`
// (the game folder when empty); its main window.
HWND StartShown(PelkorProcess& pelkor, const GameFolder& game, const std::wstring& startedIn = {});
// A visible top-level window of the real program of this class, once it is there.
HWND WaitForWindowOf(const PelkorProcess& pelkor, const wchar_t* className);

}  // namespace pelkor::test
