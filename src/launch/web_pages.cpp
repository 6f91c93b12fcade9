// The three web pages, opened in the user's browser.
#include "launch/web_pages.h"

#include <objbase.h>
#include <shellapi.h>

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
    // The shell may hand the address to a browser through COM; it asks for an
    // apartment-threaded caller without OLE1 DDE. Balanced here, so it holds
    // whoever calls.
    const auto initialize = com_.Get<decltype(::CoInitializeEx)>("CoInitializeEx");
    const auto uninitialize = com_.Get<decltype(::CoUninitialize)>("CoUninitialize");
    const auto execute = shell_.Get<decltype(::ShellExecuteExW)>("ShellExecuteExW");
    if (!execute) return false;
    const HRESULT com = initialize && uninitialize
                            ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                            : E_NOTIMPL;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    // The result must say whether the browser was started, and the shell must not
    // show a box of its own: the program reports the failure itself.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = address.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool opened = execute(&info) != FALSE;
    if (SUCCEEDED(com)) uninitialize();
    return opened;
}

}  // namespace pelkor::app
