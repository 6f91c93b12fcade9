// The palette group: a chosen file of the Palettes folder, or the game's own gr.pal,
// written after "Palettes\" in the ANSI code page.
#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

class PaletteTest : public FormTest {
protected:
};

TEST_F(PaletteTest, ChangeNeedsAChosenFileResetNeedsNothing) {
    game_.WriteIni(TypicalIniWith("PaletteFile", "Palettes\\old.pal"));
    const std::string before = game_.ReadIniBytes();
    StartShown();  // an empty Palettes folder: nothing to choose

    Click(Ctl(L"Command1"));
    ExpectOneBox(platform_, kNo04);
    EXPECT_EQ(game_.ReadIniBytes(), before);

    // No gr.pal in the folder and nothing chosen: the reset writes it all the same.
    game_.AddPalette(L"night.pal");
    Click(Ctl(L"Command2"));
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_EQ(game_.ReadIniBytes(), IniBytes(TypicalIni()));
    EXPECT_EQ(Text(Ctl(L"lblNow")), L" gr.pal");

    // The refresh listed the new file, but it is not chosen yet.
    EXPECT_EQ(::SendMessageW(Control(Ctl(L"File1")), LB_GETCOUNT, 0, 0), 1);
    Click(Ctl(L"Command1"));
    ExpectOneBox(platform_, kNo04);
    EXPECT_EQ(game_.ReadIniBytes(), IniBytes(TypicalIni()));
}

TEST_F(PaletteTest, ChosenNameIsWrittenAfterThePalettesFolder) {
    ASSERT_EQ(::GetACP(), 932u);
    std::vector<std::string> expected = TypicalIni();
    game_.WriteIni(expected);
    struct Case {
        const wchar_t* name;
        const char* written;
    };
    const Case cases[] = {
        {L"night.pal", "Palettes\\night.pal"},
        {L"my night.pal", "Palettes\\my night.pal"},
        {L"夜景 パレット.pal", "Palettes\\\x96\xe9\x8c\x69 \x83\x70\x83\x8c\x83\x62\x83\x67.pal"},  // Shift-JIS
    };
    for (const Case& c : cases) game_.AddPalette(c.name);
    StartShown();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        ChooseFile(c.name);
        Click(Ctl(L"Command1"));
        EXPECT_TRUE(platform_.boxes.empty());
        SetValue(expected, "PaletteFile", c.written);
        EXPECT_EQ(game_.ReadIniBytes(), IniBytes(expected));
        EXPECT_EQ(Text(Ctl(L"lblNow")), std::wstring(L" ") + c.name);
        // The refresh read the folder again and kept the choice.
        EXPECT_EQ(Working(L"Text1", 0), c.name);
        HWND list = Control(Ctl(L"File1"));
        const auto selected = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
        wchar_t shown[MAX_PATH] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(shown, c.name);
    }
}

TEST_F(PaletteTest, NameWithoutAShiftJisFormIsRefused) {
    game_.WriteIni(TypicalIni());
    const std::string before = game_.ReadIniBytes();
    // Hangul has no form at all; "é" only a best-fit "e" that would name another file.
    const wchar_t* names[] = {L"팔레트.pal", L"café.pal"};
    for (const wchar_t* name : names) game_.AddPalette(name);
    StartShown();
    for (const wchar_t* name : names) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        ChooseFile(name);
        Click(Ctl(L"Command1"));
        ExpectOneBox(platform_, kNo02);
        EXPECT_EQ(game_.ReadIniBytes(), before);
        EXPECT_EQ(Text(Ctl(L"lblNow")), L" gr.pal");
    }
}

TEST_F(PaletteTest, ChosenFileThatHasGoneIsNeverWrittenAsAnEmptyName) {
    game_.WriteIni(TypicalIni());
    game_.AddPalette(L"night.pal");
    StartShown();
    ChooseFile(L"night.pal");
    game_.RemovePalette(L"night.pal");
    Click(Ctl(L"Command2"));  // any write refreshes the list
    ASSERT_TRUE(platform_.boxes.empty());

    Click(Ctl(L"Command1"));
    ExpectOneBox(platform_, kNo04);
    EXPECT_EQ(game_.Read("Misc", "PaletteFile"), "Palettes\\gr.pal");
}

}  // namespace
}  // namespace pelkor::test
