#pragma once
// The one application object: it owns the two windows and knows when the program
// has no window left.
#include <windows.h>

#include <memory>

#include "win/colours.h"
#include "win/language.h"

namespace pelkor::launch {
class Form2;
}

namespace pelkor::app {

class Form1;
class Platform;

class Application {
public:
    // language: the rendition both windows show, for the life of the program.
    Application(Platform& platform, win::Language language);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the main window, runs its load handler and shows it. False when the
    // program ended during start-up (the settings could not be shown).
    bool Start();
    // The message loop; returns the exit code.
    int Run();
    // Keyboard navigation for whichever window the message is for.
    bool PreTranslateMessage(MSG& msg);

    Platform& platform() { return platform_; }
    win::Language language() const { return language_; }
    // The colours both windows are drawn in.
    const win::ColourScheme& colours() const { return colours_; }
    Form1* MainWindow() { return form1_.get(); }
    launch::Form2* AboutBox() { return form2_.get(); }

    // Opens the about box, or brings the open one to the front.
    void OpenAboutBox();
    // Closes every window and ends the program (after the game has been started,
    // or when the settings can no longer be shown).
    void EndAfterLaunch();
    void EndAfterFailure();
    // A window has gone; the program ends when none is left.
    void WindowClosed();
    // The system's settings (or, with `colours`, its colours) have changed: high contrast
    // is asked again, and both windows are drawn anew where their colours change.
    void SystemChanged(bool colours);

private:
    void CloseAll(int exitCode);

    Platform& platform_;
    win::Language language_;
    win::ColourScheme colours_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<launch::Form2> form2_;
    int exitCode_ = 0;
    bool ended_ = false;
};

}  // namespace pelkor::app
