#pragma once
// Drives the real Pelkor.exe from outside, as a user would: it starts the program in a
// game folder, moves the pointer and clicks on the controls' places on the screen,
// types keys, reads what the windows show and answers message boxes.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "support/game_folder.h"
#include "win/handles.h"

namespace pelkor::driver {

enum class Icon { None, Stop, Exclamation, Information, Question, Unknown };

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
    Icon icon = Icon::None;
};

// Pelkor.exe beside the running test program.
std::wstring BuiltExe();

// Waits until `done` holds or the time is up, running this thread's messages meanwhile.
template <typename Predicate>
bool WaitFor(Predicate done, std::chrono::milliseconds limit = std::chrono::seconds(15)) {
    const auto until = std::chrono::steady_clock::now() + limit;
    for (;;) {
        for (MSG msg; ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        ::Sleep(5);
    }
}

// A visible top-level window of the process of the given class (nullptr if none).
HWND VisibleWindowOfProcess(DWORD pid, const wchar_t* className);

class PelkorProcess {
public:
    PelkorProcess() = default;
    ~PelkorProcess();
    PelkorProcess(const PelkorProcess&) = delete;
    PelkorProcess& operator=(const PelkorProcess&) = delete;

    // Copies Pelkor.exe into the folder and starts it, with `startedIn` as its current
    // folder (the game folder when empty).
    void Launch(const std::wstring& gameFolder, const std::wstring& startedIn = {});
    // The visible main window, once it has appeared (nullptr if it does not).
    HWND WaitForMainWindow();
    HWND MainWindow() const;
    // A visible top-level window of the process of the given class.
    HWND FindWindowOfClass(const wchar_t* className) const;
    std::optional<MessageBoxSeen> WaitForMessageBox(std::chrono::milliseconds limit = std::chrono::seconds(15));
    // Presses OK with a real click.
    void Acknowledge(const MessageBoxSeen& box);
    bool HasMessageBox() const;

    // A control of the main window by its row in the design table.
    HWND Control(std::size_t row) const;
    std::wstring Text(std::size_t row) const;
    bool Checked(std::size_t row) const;
    int ScrollPosition(std::size_t row) const;

    // Real input at a control's place on the screen.
    void Click(std::size_t row);
    void ClickAt(HWND window, POINT client);
    void MoveTo(HWND window, POINT client);
    // Clicks into a text box, clears it and types the text.
    void TypeInto(std::size_t row, const std::wstring& text);
    // Presses and releases a key, for whichever control has the focus.
    void Press(WORD key);
    // The program's control (or window) that has the keyboard focus.
    HWND Focus() const;
    // Clicks a palette file in the list by its name.
    void ClickFile(const std::wstring& name);

    // Whether the program, having handled what it was sent before, goes on answering at
    // this window: a message sent to it is answered from its message loop, and a second
    // one only if it stays there (a program on its way out answers one at the most).
    // Wine's WaitForInputIdle answers at once whenever asked, so it cannot tell.
    bool Answers(HWND window) const;
    bool WaitForExit(std::chrono::milliseconds limit = std::chrono::seconds(15));
    DWORD ExitCode() const;
    DWORD Pid() const { return pid_; }
    bool Running() const;
    void Kill();

private:
    win::UniqueHandle process_;
    DWORD pid_ = 0;
};

// Window text of any window.
std::wstring WindowText(HWND window);

// Under Wine an address goes to winebrowser, which runs the programs named in a registry
// value with the address as their last argument: a stand-in put there records them.
class BrowserStandIn {
public:
    BrowserStandIn();
    ~BrowserStandIn();
    BrowserStandIn(const BrowserStandIn&) = delete;
    BrowserStandIn& operator=(const BrowserStandIn&) = delete;
    bool Ready() const { return ready_; }
    // The addresses the stand-in browser was started with, in order.
    std::vector<std::string> Pages() const;

private:
    test::GameFolder folder_{false};
    HKEY key_ = nullptr;
    wchar_t saved_[512] = {};
    bool hadValue_ = false;
    bool ready_ = false;
};

}  // namespace pelkor::driver
