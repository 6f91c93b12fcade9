// Pelkor: a settings editor for the game's gr.ini, placed in the game's own folder.
#include <windows.h>

#include "app/application.h"
#include "app/platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DPI awareness comes from the manifest (per monitor where the system has it), and
    // COM is left to the web pages, so that ole32 and shell32 load only when one opens.
    int exitCode = 1;
    {
        pelkor::app::RealPlatform platform;
        pelkor::app::Application app(platform, pelkor::win::UserLanguage());
        if (app.Start()) exitCode = app.Run();
    }
    return exitCode;
}
