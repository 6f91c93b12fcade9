#pragma once
// What the program's windows ask of the application that holds them both.
#include <windows.h>

#include "core/text.h"
#include "platform/platform.h"
#include "win/colours.h"

namespace pelkor::platform {

class Host {
public:
    virtual Platform& platform() = 0;
    // The rendition both windows show, for the life of the program.
    virtual core::Language language() const = 0;
    // The colours both windows are drawn in.
    virtual const win::ColourScheme& colours() const = 0;
    // The main window while it is open, else nullptr.
    virtual HWND MainWindowHandle() const = 0;

    // Opens the about box, or brings the open one to the front.
    virtual void OpenAboutBox() = 0;
    // Closes every window and ends the program: the game has been started, or the settings
    // can no longer be shown.
    virtual void EndAfterLaunch() = 0;
    virtual void EndAfterFailure() = 0;
    // A window has gone; the program ends when none is left.
    virtual void WindowClosed() = 0;
    // The system's settings (or, with `colours`, its colours) have changed.
    virtual void SystemChanged(bool colours) = 0;

protected:
    ~Host() = default;
};

}  // namespace pelkor::platform
