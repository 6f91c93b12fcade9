#pragma once
#include <windows.h>

#include "win/language.h"

namespace pelkor::app {
class Platform;
}

namespace pelkor::settings {

// The report every writing handler shows when its writes fail (error No.02).
void ShowWriteFailure(app::Platform& platform, HWND owner, win::Language language);

}  // namespace pelkor::settings
