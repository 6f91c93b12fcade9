#pragma once
// The one application object: it owns the two windows and knows when the program
// has no window left.
#include <windows.h>

#include <memory>

#include "platform/host.h"
#include "win/colours.h"
#include "win/language.h"

namespace pelkor::app {

class Form1;
class Form2;
using platform::Platform;

class Application final : public platform::Host {
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

    Form1* MainWindow() { return form1_.get(); }
    Form2* AboutBox() { return form2_.get(); }

    Platform& platform() override { return platform_; }
    win::Language language() const override { return language_; }
    const win::ColourScheme& colours() const override { return colours_; }
    HWND MainWindowHandle() const override;
    void OpenAboutBox() override;
    void EndAfterLaunch() override;
    void EndAfterFailure() override;
    void WindowClosed() override;
    // High contrast is asked again, and both windows are drawn anew where their colours change.
    void SystemChanged(bool colours) override;

private:
    void CloseAll(int exitCode);

    Platform& platform_;
    win::Language language_;
    win::ColourScheme colours_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    int exitCode_ = 0;
    bool ended_ = false;
};

}  // namespace pelkor::app
