// What the refresh makes of the texts read, group by group, and where it stops.
#include "core/refresh.h"

#include <gtest/gtest.h>

#include "memory_file.h"

namespace pelkor::core {
namespace {

using test::MemoryFile;

// The bars as the window is designed: Sc1 at 60, Sc2 at 0, Sc3 at 105.
constexpr std::array<int, 3> kDesignBars{60, 0, 105};

struct Shown {
    Display display;
    WorkingStrip strip;
};

Shown RefreshOf(MemoryFile& file, Language language = Language::Japanese,
                const std::array<int, 3>& bars = kDesignBars) {
    Shown shown;
    shown.display = Refresh(file, shown.strip, bars, language);
    return shown;
}

TEST(Refresh, TypicalFileReadsEveryKeyInOrderAndFillsEveryDisplay) {
    MemoryFile file;
    const Shown shown = RefreshOf(file);
    const Display& d = shown.display;
    EXPECT_FALSE(d.failed);
    EXPECT_EQ(file.calls,
              (std::vector<std::wstring>{L"Misc/PaletteFile", L"palette folder", L"Replay/Length", L"Replay/FrameStep",
                                         L"Misc/ScreenshotWidth", L"Misc/ScreenshotHeight", L"Viewport/ViewAngle",
                                         L"Viewport/Rotation", L"Viewport/Zoom", L"Graphics/FasterTrackPreview",
                                         L"Graphics/TyreAutoSort", L"Graphics/VideoMemory",
                                         L"Misc/AlternativeSpeedSetting", L"Misc/ScreenshotFormat"}));
    EXPECT_EQ(d.paletteNow, L" gr.pal");
    EXPECT_TRUE(d.listPalettes);
    EXPECT_EQ(d.replayNow, L" 600 / 5");
    EXPECT_EQ(d.lengthBox, L"600");
    EXPECT_EQ(d.stepBox, L"5");
    EXPECT_EQ(d.screenshotNow, L" 640×480");
    EXPECT_EQ(d.screenshotOption, 2);
    EXPECT_EQ(d.cameraNow, L" 上下 default \u3000 左右 default \u3000 拡大 default");
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(d.cameraLabels[i], L"default");
        EXPECT_EQ(d.cameraBars[i], std::nullopt);
    }
    EXPECT_EQ(d.trackPreviewNow, L" ON");
    EXPECT_EQ(d.trackPreviewOption, 0);
    EXPECT_EQ(d.tyresNow, L" ON");
    EXPECT_EQ(d.tyresOption, 0);
    EXPECT_EQ(d.videoMemoryNow, L" 自動検知");
    EXPECT_EQ(d.videoMemoryOption, 0);
    EXPECT_EQ(d.smootherNow, L" OFF");
    EXPECT_EQ(d.smootherOption, 1);
    EXPECT_EQ(d.formatNow, L" bmp");

    // The strip holds section, key and the values exactly as read.
    const WorkingStrip& s = shown.strip;
    EXPECT_EQ(s.txt1, (std::array<std::wstring, 4>{L"Misc", L"PaletteFile", L"Palettes\\gr.pal", L"gr.pal"}));
    EXPECT_EQ(s.txt2, (std::array<std::wstring, 4>{L"Replay", L"Length", L"600", L"5"}));
    EXPECT_EQ(s.txt3, (std::array<std::wstring, 4>{L"Misc", L"ScreenshotWidth", L"640", L"480"}));
    EXPECT_EQ(s.txt4, (std::array<std::wstring, 5>{L"Viewport", L"ViewAngle", L"default", L"default", L"default"}));
    EXPECT_EQ(s.txt5, (std::array<std::wstring, 3>{L"Graphics", L"FasterTrackPreview", L"0"}));
    EXPECT_EQ(s.txt8, (std::array<std::wstring, 3>{L"Misc", L"AlternativeSpeedSetting", L"0"}));
    EXPECT_EQ(s.txt9, (std::array<std::wstring, 3>{L"Misc", L"ScreenshotFormat", L"bmp"}));
    EXPECT_TRUE(s.Text1.empty());
}

TEST(Refresh, EnglishTakesItsOwnCameraAndVideoMemoryTexts) {
    MemoryFile file;
    const Display d = RefreshOf(file, Language::English).display;
    EXPECT_EQ(d.cameraNow, L" Tilt default   Turn default   Zoom default");
    EXPECT_EQ(d.videoMemoryNow, L" Auto");
}

// One key changed in the typical file, and what the group shows for it; an empty text
// or option leaves the control as it was.
struct GroupCase {
    const wchar_t* key;
    const wchar_t* value;
    const wchar_t* caption;  // nullptr: left as it was
    std::optional<int> option;
};

class Group : public testing::TestWithParam<GroupCase> {};

std::optional<std::wstring> CaptionFor(const Display& d, std::wstring_view key) {
    if (key == L"ScreenshotWidth" || key == L"ScreenshotHeight") return d.screenshotNow;
    if (key == L"FasterTrackPreview") return d.trackPreviewNow;
    if (key == L"TyreAutoSort") return d.tyresNow;
    if (key == L"AlternativeSpeedSetting") return d.smootherNow;
    if (key == L"VideoMemory") return d.videoMemoryNow;
    if (key == L"PaletteFile") return d.paletteNow;
    if (key == L"Length" || key == L"FrameStep") return d.replayNow;
    return d.formatNow;
}

std::optional<int> OptionFor(const Display& d, std::wstring_view key) {
    if (key == L"ScreenshotWidth" || key == L"ScreenshotHeight") return d.screenshotOption;
    if (key == L"FasterTrackPreview") return d.trackPreviewOption;
    if (key == L"TyreAutoSort") return d.tyresOption;
    if (key == L"AlternativeSpeedSetting") return d.smootherOption;
    if (key == L"VideoMemory") return d.videoMemoryOption;
    return std::nullopt;
}

TEST_P(Group, ShowsWhatItsKeyHolds) {
    const GroupCase& c = GetParam();
    MemoryFile file;
    file[c.key] = c.value;
    const Display d = RefreshOf(file).display;
    EXPECT_FALSE(d.failed);
    EXPECT_EQ(CaptionFor(d, c.key), c.caption ? std::optional<std::wstring>(c.caption) : std::nullopt);
    EXPECT_EQ(OptionFor(d, c.key), c.option);
}

// clang-format off
const GroupCase kGroupCases[] = {
    // Palette and replay: shown as read, the palette from its tenth character on.
    {L"PaletteFile", L"abc", L" ", std::nullopt},
    {L"PaletteFile", L"Palettes\\夜景.pal", L" 夜景.pal", std::nullopt},
    {L"Length", L"", L"  / 5", std::nullopt},
    // Screenshot: the width alone chooses the option, rounded to a whole number.
    {L"ScreenshotWidth", L"700", L" 700×480", std::nullopt},
    {L"ScreenshotWidth", L"640.4", L" 640.4×480", 2},
    {L"ScreenshotWidth", L"640.5", L" 640.5×480", 2},
    {L"ScreenshotWidth", L"1023.5", L" 1023.5×480", 4},
    {L"ScreenshotWidth", L"512", L" 512×480", 1},
    {L"ScreenshotHeight", L"x", L" 640×x", 2},
    // Switches: each with its own sense; numbers other than 0 and 1 show nothing.
    {L"FasterTrackPreview", L"0", L" ON", 0},
    {L"FasterTrackPreview", L"1", L" OFF", 1},
    {L"FasterTrackPreview", L"1.5", nullptr, std::nullopt},  // rounds to 2
    {L"FasterTrackPreview", L"0.5", L" ON", 0},              // rounds to 0
    {L"TyreAutoSort", L"0", L" OFF", 1},
    {L"TyreAutoSort", L"-1", nullptr, std::nullopt},
    {L"AlternativeSpeedSetting", L"1", L" ON", 0},
    {L"AlternativeSpeedSetting", L"2", nullptr, std::nullopt},
    // Video memory: whole texts, exact and case-sensitive.
    {L"VideoMemory", L"64000", L" 64", 5},
    {L"VideoMemory", L"4000", L" 4", 1},
    {L"VideoMemory", L"512000", L" 512", 8},
    {L"VideoMemory", L"65536", nullptr, std::nullopt},
    {L"VideoMemory", L"AUTODETECT", nullptr, std::nullopt},
    {L"VideoMemory", L"4000.0", nullptr, std::nullopt},
    {L"VideoMemory", L"", nullptr, std::nullopt},
    // The format: shown after one blank, never converted.
    {L"ScreenshotFormat", L"", L" ", std::nullopt},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Refresh, Group, testing::ValuesIn(kGroupCases));

TEST(Refresh, CameraBarsMoveToTheirValuesUnlessDefault) {
    MemoryFile file;
    file[L"Rotation"] = L"090";
    file[L"Zoom"] = L"200";
    const Shown shown = RefreshOf(file);
    const Display& d = shown.display;
    EXPECT_EQ(d.cameraLabels[0], L"default");
    EXPECT_EQ(d.cameraBars[0], std::nullopt);
    // A moved bar shows its position in plain digits; the caption and the strip keep the text.
    EXPECT_EQ(d.cameraLabels[1], L"90");
    EXPECT_EQ(d.cameraBars[1], 90);
    EXPECT_EQ(d.cameraLabels[2], L"200");
    EXPECT_EQ(d.cameraBars[2], 200);
    EXPECT_EQ(shown.strip.txt4[3], L"090");
    EXPECT_EQ(d.cameraNow, L" 上下 default \u3000 左右 090 \u3000 拡大 200");
}

TEST(Refresh, CameraValueAtTheBarsOwnPositionKeepsItsText) {
    MemoryFile file;
    file[L"ViewAngle"] = L"060";
    const Display d = RefreshOf(file).display;
    EXPECT_EQ(d.cameraLabels[0], L"060");
    EXPECT_EQ(d.cameraBars[0], std::nullopt);
    // From another position the bar moves, and its label follows.
    MemoryFile again;
    again[L"ViewAngle"] = L"060";
    const Display moved = RefreshOf(again, Language::Japanese, {0, 0, 105}).display;
    EXPECT_EQ(moved.cameraLabels[0], L"60");
    EXPECT_EQ(moved.cameraBars[0], 60);
}

// A value that cannot be shown: No.01 is due, and nothing after it is read.
struct FailureCase {
    const wchar_t* key;
    const wchar_t* value;  // nullptr: the read is refused
    const wchar_t* lastCall;
};

class Failure : public testing::TestWithParam<FailureCase> {};

TEST_P(Failure, StopsTheRefreshWithNo01) {
    const FailureCase& c = GetParam();
    MemoryFile file;
    if (c.value) {
        file[c.key] = c.value;
    } else if (std::wstring_view(c.key) == L"palette folder") {
        file.paletteFolder = false;
    } else {
        file.refused.insert(std::wstring(std::wstring_view(c.key) == L"PaletteFile" ? L"Misc/" : L"Graphics/") + c.key);
    }
    const Display d = RefreshOf(file).display;
    EXPECT_TRUE(d.failed);
    EXPECT_EQ(file.calls.back(), c.lastCall);
}

// clang-format off
const FailureCase kFailureCases[] = {
    {L"PaletteFile", nullptr, L"Misc/PaletteFile"},
    {L"palette folder", nullptr, L"palette folder"},
    {L"ScreenshotWidth", L"abc", L"Misc/ScreenshotHeight"},
    {L"ScreenshotWidth", L"32768", L"Misc/ScreenshotHeight"},
    {L"ScreenshotWidth", L"", L"Misc/ScreenshotHeight"},
    {L"ViewAngle", L"360", L"Viewport/ViewAngle"},
    {L"Rotation", L"-1", L"Viewport/Rotation"},
    {L"Zoom", L"9", L"Viewport/Zoom"},
    {L"Zoom", L"DEFAULT", L"Viewport/Zoom"},
    {L"FasterTrackPreview", L"x", L"Graphics/FasterTrackPreview"},
    {L"TyreAutoSort", L"", L"Graphics/TyreAutoSort"},
    {L"AlternativeSpeedSetting", L"on", L"Misc/AlternativeSpeedSetting"},
    {L"VideoMemory", nullptr, L"Graphics/VideoMemory"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Refresh, Failure, testing::ValuesIn(kFailureCases));

TEST(Refresh, WhatWasShownBeforeTheFailureStays) {
    MemoryFile file;
    file[L"Zoom"] = L"300";
    const Display d = RefreshOf(file).display;
    EXPECT_TRUE(d.failed);
    EXPECT_EQ(d.screenshotNow, L" 640×480");
    EXPECT_EQ(d.cameraLabels[2], L"300");
    EXPECT_EQ(d.cameraNow, std::nullopt);
    EXPECT_EQ(d.trackPreviewNow, std::nullopt);
}

}  // namespace
}  // namespace pelkor::core
