#pragma once
// The three web pages the program opens, all on the maker's site, and the one way
// of opening them that the help button, the palette link and the about box share.
#include <windows.h>

#include <string>
#include <string_view>

#include "win/language.h"

namespace pelkor::app {
class Platform;
}

namespace pelkor::launch {

// The maker's site: a placeholder on a reserved domain. Change it here and every
// page follows.
inline constexpr std::wstring_view kMakerSite = L"https://www.vorntool.example/";
// The pages, relative to the site.
inline constexpr std::wstring_view kHelpPage = L"pelkor/help.html";
inline constexpr std::wstring_view kPalettePage = L"pelkor/palette.html";
inline constexpr std::wstring_view kHomePage = L"";

// The full address of a page.
inline std::wstring PageAddress(std::wstring_view page) { return std::wstring(kMakerSite) + std::wstring(page); }

// Asks the system to show the page in the user's browser; when it cannot, tells the
// user with the access-failure message. Nothing is kept and nothing is waited for.
void OpenPage(app::Platform& platform, HWND owner, std::wstring_view page, win::Language language);

}  // namespace pelkor::launch
