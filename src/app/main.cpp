// Pelkor: a settings editor for the game's gr.ini, placed in the game's own folder.
#include <windows.h>

#include <cstdlib>

#include "app/application.h"
#include "app/platform.h"

#if defined(__GLIBCXX__)
// An exception that escapes everything ends the program. The library's own handler
// would print the exception's type to a console that a window program does not have,
// and brings a C++ name demangler of some 45 KB into the exe for it.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DPI awareness comes from the manifest (per monitor where the system has it), and
    // COM is left to the web pages, so that ole32 and shell32 load only when one opens.
    int exitCode = 1;
    {
        pelkor::app::RealPlatform platform;
        pelkor::app::Application app(platform);
        if (app.Start()) exitCode = app.Run();
    }
    return exitCode;
}
