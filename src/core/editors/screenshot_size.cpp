// The screenshot group: a click writes the width, then the height.
#include "core/editors.h"

namespace pelkor::core {

Edit ChooseScreenshotSize(int option) {
    if (option < 0 || static_cast<std::size_t>(option) >= std::size(kScreenshotSizes)) return {};
    const ScreenshotRow& size = kScreenshotSizes[static_cast<std::size_t>(option)];
    return Edit::Writing({{section::Misc, key::ScreenshotWidth, std::wstring(size.widthText)},
                          {section::Misc, key::ScreenshotHeight, std::wstring(size.heightText)}});
}

}  // namespace pelkor::core
