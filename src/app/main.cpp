// Pelkor: a settings editor for the game's gr.ini, placed in the game's own folder.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/application.h"
#include "app/platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The manifest asks for per-monitor DPI awareness; older systems fall back to
    // system awareness on their own, so a refusal here is not a failure.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    // Opening web pages goes through the shell, which wants a single-threaded apartment.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    int exitCode = 1;
    {
        pelkor::app::RealPlatform platform;
        pelkor::app::Application app(platform);
        if (app.Start()) exitCode = app.Run();
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    return exitCode;
}
