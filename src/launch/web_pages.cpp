// The three web pages, opened in the user's browser.
#include "launch/web_pages.h"

#include "app/main_window.h"
#include "app/messages.h"
#include "app/platform.h"

namespace pelkor::launch {

void OpenPage(app::Platform& platform, HWND owner, std::wstring_view page, win::Language language) {
    if (platform.OpenWebPage(PageAddress(page))) return;
    // No title and no icon of its own: the box bears the program's name.
    app::ShowMessage(platform, owner, app::kAccessFailure, language);
}

}  // namespace pelkor::launch

namespace pelkor::app {

void Form1::Command9_Click() { launch::OpenPage(platform(), hwnd(), launch::kHelpPage, TextLanguage()); }

void Form1::lblLink1_Click() { launch::OpenPage(platform(), hwnd(), launch::kPalettePage, TextLanguage()); }

bool RealPlatform::OpenWebPage(const std::wstring& address) {
    SHELLEXECUTEINFOW info{};
    info.lpVerb = L"open";
    info.lpFile = address.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ExecuteInShell(info) == ERROR_SUCCESS;
}

}  // namespace pelkor::app
