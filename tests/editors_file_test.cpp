// What the editors leave of gr.ini: only their own keys change, and a missing file or
// section is made by the first write with just what was written.
#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

class EditorsFileTest : public FormTest {};

TEST_F(EditorsFileTest, MissingFileOrSectionGetsJustWhatWasWritten) {
    std::vector<std::string> withoutMisc;
    bool inMisc = false;
    for (const std::string& line : TypicalIni()) {
        if (line.front() == '[') inMisc = line == "[Misc]";
        if (!inMisc) withoutMisc.push_back(line);
    }
    struct Case {
        const char* name;
        const std::vector<std::string>* fileBefore;  // nullptr: no gr.ini
        std::size_t click;
        const char* added;  // in the order written
    };
    const Case cases[] = {
        {"video memory", nullptr, Ctl(L"Option1", 1), "[Graphics]\r\nVideoMemory=4000\r\n"},
        {"palette reset", nullptr, Ctl(L"Command2"), "[Misc]\r\nPaletteFile=Palettes\\gr.pal\r\n"},
        {"replay reset", nullptr, Ctl(L"Command8"), "[Replay]\r\nLength=600\r\nFrameStep=5\r\n"},
        {"camera reset", nullptr, Ctl(L"Command6"),
         "[Viewport]\r\nViewAngle=default\r\nRotation=default\r\nZoom=default\r\n"},
        {"screenshot size", &withoutMisc, Ctl(L"Option2", 4),
         "[Misc]\r\nScreenshotWidth=1024\r\nScreenshotHeight=768\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game_.WriteIni(TypicalIni());
        StartShown();
        std::string expected = c.added;
        if (c.fileBefore) {
            game_.WriteIni(*c.fileBefore);
            expected = IniBytes(*c.fileBefore) + expected;
        } else {
            ASSERT_TRUE(::DeleteFileW(game_.Ini().c_str()));
        }
        Click(c.click);
        EXPECT_EQ(game_.ReadIniBytes(), expected);
        // The refresh that follows cannot show a file without the keys it needs.
        ASSERT_EQ(platform_.boxes.size(), 1u);
        EXPECT_EQ(platform_.boxes[0].title, kNo01.title);
        platform_.boxes.clear();
        app_.reset();
    }
}

TEST_F(EditorsFileTest, EveryEditorKeepsWhatItDoesNotKnow) {
    // Not in the profile functions' own form: blank lines, blanks around "=", indentation, LF.
    game_.WriteIniBytes(
        "; gr.ini\n"
        "\n"
        "[Misc]\n"
        "PlayerName = Driver One\n"
        "PaletteFile=Palettes\\gr.pal\n"
        "ScreenshotWidth=640\n"
        "  ScreenshotHeight=480\n"
        "; speed\n"
        "AlternativeSpeedSetting=0\n"
        "\n"
        "[Sound]\n"
        "Volume=80\n"
        "; \x89\xb9\x97\xca\n"  // "音量" in Shift-JIS
        "[Replay]\n"
        "Length=600\n"
        "FrameStep=5\n"
        "[Viewport]\n"
        "ViewAngle=default\n"
        "Rotation=default\n"
        "Zoom=default\n"
        "[Graphics]\n"
        "FasterTrackPreview=0\n"
        "TyreAutoSort=1\n"
        "Gamma=1.0\n"
        "[Extra]\n"
        "Misc=kept\n");
    game_.AddPalette(L"night.pal");
    StartShown();

    Type(Ctl(L"txt12", 2), L"900");  // before any other editor's refresh replaces it
    ChooseFile(L"night.pal");
    for (std::size_t row : {Ctl(L"Command5"), Ctl(L"Command1"), Ctl(L"Option1", 3), Ctl(L"Option2", 1),
                            Ctl(L"Option3", 1), Ctl(L"Option4", 1), Ctl(L"Option5", 0), Ctl(L"Command6")}) {
        Click(row);
    }
    ASSERT_TRUE(platform_.boxes.empty());

    struct Entry {
        const char* section;
        const char* key;
        const char* value;
    };
    const Entry entries[] = {
        {"Misc", "PlayerName", "Driver One"},
        {"Misc", "PaletteFile", "Palettes\\night.pal"},
        {"Misc", "ScreenshotWidth", "512"},
        {"Misc", "ScreenshotHeight", "384"},
        {"Misc", "AlternativeSpeedSetting", "1"},
        {"Sound", "Volume", "80"},
        {"Replay", "Length", "900"},
        {"Replay", "FrameStep", "5"},
        {"Viewport", "ViewAngle", "default"},
        {"Graphics", "FasterTrackPreview", "1"},
        {"Graphics", "TyreAutoSort", "0"},
        {"Graphics", "Gamma", "1.0"},
        {"Graphics", "VideoMemory", "16000"},  // added to its section
        {"Extra", "Misc", "kept"},
    };
    for (const Entry& e : entries) EXPECT_EQ(game_.Read(e.section, e.key), e.value) << e.section << "/" << e.key;

    // Comments and sections are still there, in their order.
    const std::string bytes = game_.ReadIniBytes();
    std::size_t at = 0;
    for (const char* line : {"; gr.ini", "[Misc]", "; speed", "[Sound]", "; \x89\xb9\x97\xca", "[Replay]", "[Viewport]",
                             "[Graphics]", "[Extra]"}) {
        const std::size_t found = bytes.find(line, at);
        EXPECT_NE(found, std::string::npos) << line << " missing or out of order";
        if (found != std::string::npos) at = found;
    }
}

}  // namespace
}  // namespace pelkor::test
