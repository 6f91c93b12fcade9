// The launcher: starts the game from the program's folder and ends the program.
#include "app/application.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "win/handles.h"

namespace pelkor::app {

void Form1::Command4_Click() {
    bool started = false;
    try {
        // Joined without a test: at a drive root the path has two backslashes, which
        // the system reads as one.
        const std::wstring game = ProgramDirectory() + L"\\GeneRally.exe";
        // The full path as the program to start, and quoted as its command line, so a
        // folder with blanks never lets another program run in the game's place.
        started = platform().StartProgram(game, L"\"" + game + L"\"");
    } catch (const std::exception&) {
        // Any failure on the way (no memory for the path) is a game that did not start.
    }
    if (!started) {
        ShowMessage(app::kError05);
        return;
    }
    app_.EndAfterLaunch();
}

void Form1::Command3_Click() { app_.OpenAboutBox(); }

bool RealPlatform::StartProgram(const std::wstring& application, const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::wstring mutableCommandLine = commandLine;  // CreateProcessW may write into it
    // No current directory given: the game inherits the program's.
    if (!::CreateProcessW(application.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process)) {
        return false;
    }
    // Nothing of the game is kept, and it is never waited for.
    win::UniqueHandle thread(process.hThread);
    win::UniqueHandle game(process.hProcess);
    return true;
}

}  // namespace pelkor::app
