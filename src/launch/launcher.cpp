// The launcher: starts the game from the program's folder and ends the program.
#include "app/application.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "win/failure.h"

namespace pelkor::app {

void Form1::Command4_Click() {
    try {
        const std::wstring game = ProgramDirectory() + L"\\GeneRally.exe";
        // The full path as the program to start, and quoted as its command line, so a
        // folder with blanks never lets another program run in the game's place.
        if (!platform().StartProgram(game, L"\"" + game + L"\"")) throw RuntimeFailure("the game could not be started");
    } catch (const std::exception&) {
        ShowMessage(L"GeneRally.exeを起動できません。\u3000", L"エラー\u3000No.05", MB_OK | MB_ICONSTOP);
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
    if (!::CreateProcessW(application.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process)) {
        return false;
    }
    // Nothing of the game is kept.
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

}  // namespace pelkor::app
