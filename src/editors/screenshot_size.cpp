// The screenshot group: a click writes the width, then the height.
#include "app/main_window.h"
#include "settings/catalogue.h"

namespace pelkor::app {

void Form1::Option2_Click(short index) {
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(settings::kScreenshotSizes)) return;
    const settings::ScreenshotRow& size = settings::kScreenshotSizes[index];
    WriteKeysAndRefresh({{settings::section::Misc, settings::key::ScreenshotWidth, std::wstring(size.widthText)},
                         {settings::section::Misc, settings::key::ScreenshotHeight, std::wstring(size.heightText)}});
}

}  // namespace pelkor::app
