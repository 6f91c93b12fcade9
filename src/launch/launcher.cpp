// The launcher: starts the game in the program's folder and ends the program.
#include "app/application.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "win/handles.h"

namespace pelkor::app {

void Form1::Command4_Click() {
    DWORD result = ERROR_GEN_FAILURE;
    try {
        // Joined without a test: at a drive root the path has two backslashes, which
        // the system reads as one.
        const std::wstring folder = ProgramDirectory();
        const std::wstring game = folder + L"\\GeneRally.exe";
        // The full path as the program to start, and quoted as its command line, so a
        // folder with blanks never lets another program run in the game's place. The
        // game runs in its own folder, wherever this program was started from: it may
        // load its files by relative path.
        result = platform().StartProgram(game, L"\"" + game + L"\"", folder);
        // A game set to run as an administrator starts as a double-click starts it,
        // with the user's consent.
        if (result == kErrorElevationRequired) result = platform().StartThroughShell(hwnd(), game, folder);
    } catch (const std::exception&) {
        // Any failure on the way (no memory for the path) is a game that did not start.
    }
    // The user declined to let the game run as an administrator: nothing to report.
    if (result == ERROR_CANCELLED) return;
    if (result != ERROR_SUCCESS) {
        ShowMessage(app::kError05);
        return;
    }
    app_.EndAfterLaunch();
}

void Form1::Command3_Click() { app_.OpenAboutBox(); }

DWORD RealPlatform::StartProgram(const std::wstring& application, const std::wstring& commandLine,
                                 const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::wstring mutableCommandLine = commandLine;  // CreateProcessW may write into it
    if (!::CreateProcessW(application.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process)) {
        const DWORD error = ::GetLastError();
        return error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error;
    }
    // Nothing of the game is kept, and it is never waited for.
    win::UniqueHandle thread(process.hThread);
    win::UniqueHandle game(process.hProcess);
    return ERROR_SUCCESS;
}

DWORD RealPlatform::StartThroughShell(HWND owner, const std::wstring& application, const std::wstring& folder) {
    SHELLEXECUTEINFOW info{};
    info.hwnd = owner;  // the consent prompt belongs to this window
    info.lpFile = application.c_str();  // the default verb, as a double-click
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ExecuteInShell(info);
}

}  // namespace pelkor::app
