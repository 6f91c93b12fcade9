// The message boxes and the web pages, the same for both windows.
#include "core/web_pages.h"
#include "platform/platform.h"

namespace pelkor::platform {

int ShowMessage(Platform& platform, HWND owner, const core::Message& message, core::Language language) {
    UINT type = MB_OK;
    switch (message.icon) {
        case core::Icon::Stop: type |= MB_ICONSTOP; break;
        case core::Icon::Exclamation: type |= MB_ICONEXCLAMATION; break;
        case core::Icon::None: break;
    }
    const std::wstring_view title = message.title.In(language);
    return platform.ShowMessageBox(owner, std::wstring(message.text.In(language)),
                                   title.empty() ? std::nullopt : std::optional<std::wstring>(title), type);
}

void OpenPage(Platform& platform, HWND owner, std::wstring_view page, core::Language language) {
    if (platform.OpenWebPage(core::PageAddress(page))) return;
    // No title and no icon of its own: the box bears the program's name.
    ShowMessage(platform, owner, core::kAccessFailure, language);
}

}  // namespace pelkor::platform
