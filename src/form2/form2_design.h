#pragma once
// The about box's design: its five controls, where they stand and how they look.
#include "resource.h"
#include "version.h"
#include "win/form_design.h"

namespace pelkor::app {

using win::ControlRow;
using win::FontId;
using win::Kind;

inline constexpr win::Text kForm2Caption{L"バージョン情報", L"About"};
inline constexpr int kForm2ClientWidth = 3525;
inline constexpr int kForm2ClientHeight = 1170;

inline constexpr COLORREF kAboutDarkText = RGB(64, 64, 64);
inline constexpr COLORREF kHomeLinkRest = RGB(255, 255, 255);

// clang-format off
inline constexpr ControlRow kForm2Design[] = {
    {.kind = Kind::Picture, .name = L"Picture1", .left = 840, .top = 240, .width = 480, .height = 480, .image = IDI_PROGRAM},
    {.kind = Kind::Label, .name = L"Label1", .caption = {L"Pelkor(ぺるこる)", L"Pelkor"}, .left = 1470, .top = 270, .width = 1380, .height = 180, .font = FontId::Gothic9Bold},
    {.kind = Kind::Label, .name = L"Label2", .caption = L"Ver. " PELKOR_VERSION_SHOWN, .left = 1470, .top = 510, .width = 660, .height = 180, .text = kAboutDarkText},
    {.kind = Kind::Label, .name = L"Label3", .caption = L"Copyright (C) 2026 VornTool", .left = 180, .top = 840, .width = 3285, .height = 225, .text = kAboutDarkText},
    {.kind = Kind::Link, .name = L"Label4", .caption = {L"HomePage", L"Home page"}, .left = 2400, .top = 30, .width = 810, .height = 180, .text = kHomeLinkRest, .font = FontId::SmallFonts6, .tab = 1, .tooltip = {L"ブラウザで作者ホームページを開きます", L"Opens the maker's home page in your browser"}},
};
// clang-format on

inline constexpr win::Design kForm2{kForm2Design};

// Row of an about-box control by its design name, checked at compile time.
consteval std::size_t AboutCtl(std::wstring_view name) { return win::RowOf(kForm2, name, -1); }

}  // namespace pelkor::app
