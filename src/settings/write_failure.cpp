#include "settings/write_failure.h"

#include "app/platform.h"

namespace pelkor::settings {

void ShowWriteFailure(app::Platform& platform, HWND owner) {
    platform.ShowMessageBox(owner, L"書き込みできませんでした。\u3000", L"エラー\u3000No.02", MB_OK | MB_ICONSTOP);
}

}  // namespace pelkor::settings
