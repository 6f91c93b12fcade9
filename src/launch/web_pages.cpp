// The three web pages, opened in the user's browser.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/main_window.h"
#include "app/platform.h"

namespace pelkor::app {
namespace {

// The maker's site; the three pages hang off it.
constexpr std::wstring_view kSite = L"https://www.vorntool.example/";
const std::wstring kHelpPage = std::wstring(kSite) + L"pelkor/help.html";
const std::wstring kPalettePage = std::wstring(kSite) + L"pelkor/palette.html";

}  // namespace

void Form1::Command9_Click() {
    if (!platform().OpenWebPage(kHelpPage)) {
        ShowMessage(L"アクセスできませんでした。\r\n\r\nInternet Explorer もしくは Net環境の設定を確認してください。",
                    nullptr, MB_OK);
    }
}

void Form1::lblLink1_Click() {
    if (!platform().OpenWebPage(kPalettePage)) {
        ShowMessage(L"アクセスできませんでした。\r\n\r\nInternet Explorer もしくは Net環境の設定を確認してください。",
                    nullptr, MB_OK);
    }
}

bool RealPlatform::OpenWebPage(const std::wstring& address) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = address.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExW(&info) != FALSE;
}

}  // namespace pelkor::app
