// Pelkor: a settings editor for the game's gr.ini, placed in the game's own folder.
#include <windows.h>

#include "app/application.h"
#include "platform/platform.h"
#include "win/system_library.h"

namespace {

// The program runs from the game's folder, which its owner fills with downloaded files:
// the DLLs that shell32, ole32 or comctl32 load in turn come from the system folder only,
// never from there. Windows 7 has the call only with its 2011 loader update; without it,
// the program starts all the same.
void LoadDllsOnlyFromSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto set =
        pelkor::win::LoadedFunction<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    LoadDllsOnlyFromSystemFolder();
    // DPI awareness comes from the manifest (per monitor where the system has it), and
    // COM is left to the web pages, so that ole32 and shell32 load only when one opens.
    int exitCode = 1;
    {
        pelkor::platform::RealPlatform platform;
        pelkor::app::Application app(platform, pelkor::win::UserLanguage());
        if (app.Start()) exitCode = app.Run();
    }
    return exitCode;
}
