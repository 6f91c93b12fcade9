// Each editor's rule: from what the user chose or typed, the keys written in order, the
// texts the boxes take, and the message due instead.
#include "core/editors.h"

#include <gtest/gtest.h>

#include "core/launch.h"
#include "memory_file.h"

namespace pelkor::core {
namespace {

using Writes = std::vector<KeyWrite>;

TEST(Palette, ChangeNeedsARememberedAndASelectedFile) {
    struct Case {
        const wchar_t* remembered;
        const wchar_t* selected;
        bool written;
    };
    for (const Case& c : {Case{L"", L"", false}, Case{L"night.pal", L"", false}, Case{L"", L"night.pal", false},
                          Case{L"night.pal", L"night.pal", true}}) {
        const Edit edit = ChangePalette(c.remembered, c.selected);
        if (c.written) {
            EXPECT_EQ(edit.writes, (Writes{{L"Misc", L"PaletteFile", L"Palettes\\night.pal"}}));
            EXPECT_EQ(edit.message, nullptr);
        } else {
            EXPECT_TRUE(edit.writes.empty());
            EXPECT_EQ(edit.message, &kError04);
        }
    }
    EXPECT_EQ(ResetPalette().writes, (Writes{{L"Misc", L"PaletteFile", L"Palettes\\gr.pal"}}));
}

TEST(OptionGroups, EachOptionWritesItsOwnTextsAndOthersNothing) {
    EXPECT_EQ(ChooseScreenshotSize(0).writes,
              (Writes{{L"Misc", L"ScreenshotWidth", L"320"}, {L"Misc", L"ScreenshotHeight", L"240"}}));
    EXPECT_EQ(ChooseScreenshotSize(4).writes,
              (Writes{{L"Misc", L"ScreenshotWidth", L"1024"}, {L"Misc", L"ScreenshotHeight", L"768"}}));
    EXPECT_TRUE(ChooseScreenshotSize(5).writes.empty());
    EXPECT_TRUE(ChooseScreenshotSize(-1).writes.empty());

    EXPECT_EQ(ChooseVideoMemory(0).writes, (Writes{{L"Graphics", L"VideoMemory", L"autodetect"}}));
    EXPECT_EQ(ChooseVideoMemory(8).writes, (Writes{{L"Graphics", L"VideoMemory", L"512000"}}));
    EXPECT_TRUE(ChooseVideoMemory(9).writes.empty());

    // The left option is "on"; the track preview stores the other sense.
    EXPECT_EQ(ChooseSwitch(kTrackPreview, 0).writes, (Writes{{L"Graphics", L"FasterTrackPreview", L"0"}}));
    EXPECT_EQ(ChooseSwitch(kTrackPreview, 1).writes, (Writes{{L"Graphics", L"FasterTrackPreview", L"1"}}));
    EXPECT_EQ(ChooseSwitch(kTyreAutoSort, 0).writes, (Writes{{L"Graphics", L"TyreAutoSort", L"1"}}));
    EXPECT_EQ(ChooseSwitch(kAlternativeSpeed, 1).writes, (Writes{{L"Misc", L"AlternativeSpeedSetting", L"0"}}));
}

TEST(Camera, LabelsAreWrittenAsTheyStandAndResetWritesDefault) {
    EXPECT_EQ(CameraLabel(90), L"90");
    EXPECT_EQ(ApplyCamera({L"10", L"default", L"255"}).writes, (Writes{{L"Viewport", L"ViewAngle", L"10"},
                                                                       {L"Viewport", L"Rotation", L"default"},
                                                                       {L"Viewport", L"Zoom", L"255"}}));
    EXPECT_EQ(ResetCameraLabels(), (CameraLabels{L"default", L"default", L"default"}));
}

// The file holds Length=1234 and FrameStep=9.
struct ReplayCase {
    const wchar_t* length;
    const wchar_t* step;
    const wchar_t* lengthAfter;
    const wchar_t* stepAfter;
    bool written;  // else No.03 is due
};

class Replay : public testing::TestWithParam<ReplayCase> {};

TEST_P(Replay, TypedLimitsAreCheckedCutAndWrittenTimeFirst) {
    const ReplayCase& c = GetParam();
    WorkingStrip strip;
    strip.txt2[2] = L"1234";
    strip.txt2[3] = L"9";
    const ReplayEdit edit = ApplyReplayLimits(c.length, c.step, strip);
    EXPECT_EQ(edit.length, c.lengthAfter);
    EXPECT_EQ(edit.step, c.stepAfter);
    if (c.written) {
        EXPECT_EQ(edit.edit.message, nullptr);
        EXPECT_EQ(edit.edit.writes,
                  (Writes{{L"Replay", L"Length", c.lengthAfter}, {L"Replay", L"FrameStep", c.stepAfter}}));
    } else {
        EXPECT_EQ(edit.edit.message, &kError03);
        EXPECT_TRUE(edit.edit.writes.empty());
    }
}

// clang-format off
const ReplayCase kReplayCases[] = {
    {L"30000", L"30", L"30000", L"30", true},  // both bounds are inclusive
    {L"0", L"0", L"0", L"0", true},
    {L"12.9", L"7", L"12", L"7", true},
    {L"007", L"005", L"7", L"5", true},
    {L" 45 ", L" 3 ", L"45", L"3", true},
    {L"30001", L"4", L"1234", L"4", true},  // out of range: the file's own value, silently
    {L"-1", L"6", L"1234", L"6", true},
    {L"30000.5", L"8", L"1234", L"8", true},  // compared before it is cut
    {L"100", L"30.5", L"100", L"9", true},
    {L"200", L"-0.5", L"200", L"9", true},
    {L"-0", L"29.99", L"0", L"29", true},  // no minus sign on zero
    {L"1.5e3", L"1e1", L"1500", L"10", true},
    // Full width, as typed with the input method on: read as ASCII, written as ASCII.
    {L"６００", L"５", L"600", L"5", true},
    {L"\u3000１２．９\u3000", L"＋３０", L"12", L"30", true},
    {L"－１", L"３０．５", L"1234", L"9", true},
    // Not a number: the step box always goes back to the file's value.
    {L"", L"5", L"1234", L"9", false},
    {L"abc", L"5", L"1234", L"9", false},
    {L"1e400", L"5", L"1234", L"9", false},  // beyond a double
    {L"12.9", L"abc", L"12.9", L"9", false},  // the time box keeps what was typed
    {L"30001", L"", L"1234", L"9", false},
    {L"45", L"1e400", L"45", L"9", false},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Editors, Replay, testing::ValuesIn(kReplayCases));

TEST(Replay, AValuePutBackIsReadAgainAsItStands) {
    // The file's own value is put back as it is, and only then cut or refused.
    WorkingStrip strip;
    strip.txt2[2] = L"99.7";
    strip.txt2[3] = L"x";
    ReplayEdit edit = ApplyReplayLimits(L"40000", L"3", strip);
    EXPECT_EQ(edit.length, L"99");
    EXPECT_EQ(edit.step, L"3");
    edit = ApplyReplayLimits(L"5", L"31", strip);
    EXPECT_EQ(edit.length, L"5");
    EXPECT_EQ(edit.step, L"x");
    EXPECT_EQ(edit.edit.message, &kError03);
    const ReplayEdit reset = ResetReplayLimits();
    EXPECT_EQ(reset.edit.writes, (Writes{{L"Replay", L"Length", L"600"}, {L"Replay", L"FrameStep", L"5"}}));
}

TEST(WriteAll, StopsAtTheFirstRefusedKeyKeepingThoseBefore) {
    test::MemoryFile file;
    file.refused.insert(L"Viewport/Rotation");
    EXPECT_FALSE(WriteAll(file, ApplyCamera({L"1", L"2", L"30"}).writes));
    EXPECT_EQ(file.calls, (std::vector<std::wstring>{L"Viewport/ViewAngle=1", L"Viewport/Rotation=2"}));
    EXPECT_EQ(file[L"ViewAngle"], L"1");
    EXPECT_TRUE(WriteAll(file, {}));
}

TEST(Launch, TheGameBesideThisProgramQuotedAndWhatFollowsItsStart) {
    const GameStart game = GameIn(L"C:\\Games\\Gene Rally");
    EXPECT_EQ(game.program, L"C:\\Games\\Gene Rally\\GeneRally.exe");
    EXPECT_EQ(game.commandLine, L"\"C:\\Games\\Gene Rally\\GeneRally.exe\"");
    EXPECT_EQ(game.folder, L"C:\\Games\\Gene Rally");
    EXPECT_EQ(GameIn(L"C:\\").program, L"C:\\\\GeneRally.exe");  // the system reads two as one
    EXPECT_TRUE(After(Started::Yes).endProgram);
    EXPECT_EQ(After(Started::Yes).message, nullptr);
    EXPECT_FALSE(After(Started::Declined).endProgram);
    EXPECT_EQ(After(Started::Declined).message, nullptr);
    EXPECT_EQ(After(Started::No).message, &kError05);
    EXPECT_FALSE(After(Started::No).endProgram);
}

}  // namespace
}  // namespace pelkor::core
