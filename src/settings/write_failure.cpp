#include "settings/write_failure.h"

#include "app/messages.h"

namespace pelkor::settings {

void ShowWriteFailure(app::Platform& platform, HWND owner, win::Language language) {
    app::ShowMessage(platform, owner, app::kError02, language);
}

}  // namespace pelkor::settings
