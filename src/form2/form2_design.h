#pragma once
// The about box's design: its five controls, where they stand and how they look.
#include "version.h"
#include "win/form_design.h"

namespace pelkor::app {

using win::ControlRow;
using win::FontId;
using win::Kind;

inline constexpr win::Text kForm2Caption{L"バージョン情報", L"Version info"};
inline constexpr int kForm2ClientWidth = 3525;
inline constexpr int kForm2ClientHeight = 1170;

inline constexpr COLORREF kAboutDarkText = RGB(64, 64, 64);
inline constexpr COLORREF kHomeLinkRest = RGB(255, 255, 255);
inline constexpr COLORREF kHomeLinkHighlight = RGB(0, 0, 255);

inline constexpr int kProgramIcon = 1;  // resource id of the program's icon

// clang-format off
inline constexpr ControlRow kForm2Design[] = {
    {Kind::Picture, L"Picture1", -1, L"", L"", 840, 240, 480, 480, win::kNoColour, win::kNoColour, FontId::Default, 0, 0, {}, {}, kProgramIcon},
    {Kind::Label, L"Label1", -1, L"", {L"Pelkor(ぺるこる)", L"Pelkor"}, 1470, 270, 1380, 180, win::kNoColour, win::kNoColour, FontId::Gothic9Bold},
    {Kind::Label, L"Label2", -1, L"", L"Ver. " PELKOR_VERSION_SHOWN, 1470, 510, 660, 180, kAboutDarkText},
    {Kind::Label, L"Label3", -1, L"", L"Copyright (C) 2026 VornTool", 180, 840, 3285, 225, kAboutDarkText},
    {Kind::Link, L"Label4", -1, L"", L"HomePage", 2400, 30, 810, 180, kHomeLinkRest, win::kNoColour, FontId::SmallFonts6, 1, 0, {L"ブラウザで作者ホームページを開きます", L"Opens the maker's home page in your browser"}},
};
// clang-format on

inline constexpr win::Design kForm2{kForm2Design};

// Row of an about-box control by its design name, checked at compile time.
consteval std::size_t AboutCtl(std::wstring_view name) { return win::RowOf(kForm2, name, -1); }

}  // namespace pelkor::app
