#pragma once
// The sections and keys of gr.ini that the program knows, and the fixed texts it writes.
#include <string_view>

#include "core/text.h"

namespace pelkor::core {

inline constexpr std::wstring_view kIniName = L"gr.ini";
inline constexpr std::wstring_view kPaletteFolder = L"Palettes";

namespace section {
inline constexpr std::wstring_view Misc = L"Misc";
inline constexpr std::wstring_view Replay = L"Replay";
inline constexpr std::wstring_view Viewport = L"Viewport";
inline constexpr std::wstring_view Graphics = L"Graphics";
}  // namespace section

namespace key {
inline constexpr std::wstring_view PaletteFile = L"PaletteFile";
inline constexpr std::wstring_view Length = L"Length";
inline constexpr std::wstring_view FrameStep = L"FrameStep";
inline constexpr std::wstring_view ScreenshotWidth = L"ScreenshotWidth";
inline constexpr std::wstring_view ScreenshotHeight = L"ScreenshotHeight";
inline constexpr std::wstring_view ViewAngle = L"ViewAngle";
inline constexpr std::wstring_view Rotation = L"Rotation";
inline constexpr std::wstring_view Zoom = L"Zoom";
inline constexpr std::wstring_view FasterTrackPreview = L"FasterTrackPreview";
inline constexpr std::wstring_view TyreAutoSort = L"TyreAutoSort";
inline constexpr std::wstring_view VideoMemory = L"VideoMemory";
inline constexpr std::wstring_view AlternativeSpeedSetting = L"AlternativeSpeedSetting";
inline constexpr std::wstring_view ScreenshotFormat = L"ScreenshotFormat";
}  // namespace key

namespace value {
inline constexpr std::wstring_view Default = L"default";
inline constexpr std::wstring_view AutoDetect = L"autodetect";
inline constexpr std::wstring_view PalettePrefix = L"Palettes\\";
inline constexpr std::wstring_view DefaultPalette = L"Palettes\\gr.pal";
}  // namespace value

// An on/off switch: where it is kept, and which digit means "on", the left option of its
// frame. FasterTrackPreview stores whether the faster preview without objects is on,
// while its switch shows whether the objects are: its digits run the other way.
struct OnOffSwitch {
    std::wstring_view section;
    std::wstring_view key;
    int onDigit;

    constexpr std::wstring_view Stored(bool on) const { return on == (onDigit == 1) ? L"1" : L"0"; }
};
inline constexpr OnOffSwitch kTrackPreview{section::Graphics, key::FasterTrackPreview, 0};
inline constexpr OnOffSwitch kTyreAutoSort{section::Graphics, key::TyreAutoSort, 1};
inline constexpr OnOffSwitch kAlternativeSpeed{section::Misc, key::AlternativeSpeedSetting, 1};

// Video memory: the option's index, the text stored (megabytes times 1000) and the
// current-value caption. Index 0 lets the game detect the size itself.
struct VideoMemoryRow {
    int option;
    std::wstring_view stored;
    Text caption;
};
inline constexpr VideoMemoryRow kVideoMemory[] = {
    {1, L"4000", L" 4"},     {2, L"8000", L" 8"},     {3, L"16000", L" 16"},
    {4, L"32000", L" 32"},   {5, L"64000", L" 64"},   {6, L"128000", L" 128"},
    {7, L"256000", L" 256"}, {8, L"512000", L" 512"}, {0, value::AutoDetect, {L" 自動検知", L" Auto"}},
};

// Screenshot sizes by option index.
struct ScreenshotRow {
    int width;
    std::wstring_view widthText;
    std::wstring_view heightText;
};
inline constexpr ScreenshotRow kScreenshotSizes[] = {
    {320, L"320", L"240"}, {512, L"512", L"384"}, {640, L"640", L"480"}, {800, L"800", L"600"}, {1024, L"1024", L"768"},
};

// The camera's three bars, left to right: the key each one shows, its range, and where it
// stands before a refresh moves it.
struct CameraBar {
    std::wstring_view key;
    int min;
    int max;
    int start;
};
inline constexpr CameraBar kCameraBars[] = {
    {key::ViewAngle, 0, 359, 60},
    {key::Rotation, 0, 359, 0},
    {key::Zoom, 10, 255, 105},
};

}  // namespace pelkor::core
