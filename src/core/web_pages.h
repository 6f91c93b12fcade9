#pragma once
// The three web pages the program opens, all on the maker's site.
#include <string>
#include <string_view>

// kMakerSite, the maker's site: the build's PELKOR_SITE, a placeholder on a reserved domain
// unless a packager sets it.
#include "core/site.h"

namespace pelkor::core {

// The pages, relative to the site.
inline constexpr std::wstring_view kHelpPage = L"pelkor/help.html";
inline constexpr std::wstring_view kPalettePage = L"pelkor/palette.html";
inline constexpr std::wstring_view kHomePage = L"";

// The full address of a page.
inline std::wstring PageAddress(std::wstring_view page) { return std::wstring(kMakerSite) + std::wstring(page); }

}  // namespace pelkor::core
