// A gr.ini that cannot be shown ends the program with error No.01 before the window appears.
#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

class StartupFailureTest : public FormTest {
protected:
    // Starts, expecting error No.01 and the end of the program with the window never shown.
    void ExpectNo01() {
        bool windowVisibleAtBox = true;
        platform_.onMessageBox = [&] {
            windowVisibleAtBox = app_->MainWindow() && ::IsWindowVisible(app_->MainWindow()->hwnd());
        };
        EXPECT_FALSE(Start());
        ExpectOneBox(platform_, kNo01);
        EXPECT_FALSE(windowVisibleAtBox);
        EXPECT_FALSE(form().IsAlive());
        EXPECT_EQ(platform_.endings, std::vector<int>{1});
    }
};

TEST_F(StartupFailureTest, NoIniFile) {
    ExpectNo01();
    EXPECT_FALSE(game_.IniExists()) << "reading must not create gr.ini";
}

TEST_F(StartupFailureTest, ValuesThatCannotBeShown) {
    struct Case {
        const char* key;
        const char* value;  // null: the line is removed
    };
    const Case cases[] = {
        {"ScreenshotWidth", nullptr},
        {"ScreenshotWidth", ""},
        {"ScreenshotWidth", "abc"},
        {"ScreenshotWidth", "32768"},
        {"ScreenshotWidth", "32767.5"},
        {"ScreenshotWidth", "1,024"},
        {"ViewAngle", "360"},
        {"ViewAngle", "-1"},
        {"ViewAngle", "Default"},
        {"Rotation", ""},
        {"Zoom", "5"},
        {"Zoom", "300"},
        {"Zoom", "9.4"},
        {"FasterTrackPreview", nullptr},
        {"TyreAutoSort", "yes"},
        {"AlternativeSpeedSetting", "1e10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + (c.value ? c.value : "(missing)"));
        game_.WriteIni(TypicalIniWith(c.key, c.value));
        const std::string before = game_.ReadIniBytes();
        ExpectNo01();
        EXPECT_EQ(game_.ReadIniBytes(), before);
        app_.reset();
        platform_.boxes.clear();
        platform_.endings.clear();
    }
}

TEST_F(StartupFailureTest, CameraValuesAtTheEndsOfTheirRangesAreShown) {
    auto lines = TypicalIniWith("ViewAngle", "359");
    for (auto& l : lines) {
        if (l.rfind("Rotation=", 0) == 0) l = "Rotation=0";
        if (l.rfind("Zoom=", 0) == 0) l = "Zoom=9.5";  // rounds to 10, the lowest zoom
    }
    game_.WriteIni(lines);
    StartShown();
    EXPECT_EQ(Position(Ctl(L"Sc1")), 359);
    EXPECT_EQ(Position(Ctl(L"Sc2")), 0);
    EXPECT_EQ(Position(Ctl(L"Sc3")), 10);
}

class MissingPalettesTest : public StartupFailureTest {};

TEST_F(MissingPalettesTest, NoPalettesFolderOrAFileInItsPlace) {
    game_.WriteIni(TypicalIni());
    ::RemoveDirectoryW((game_.path() + L"\\Palettes").c_str());
    ExpectNo01();
    app_.reset();
    platform_.boxes.clear();
    platform_.endings.clear();

    game_.WriteFile(L"Palettes", "not a folder");
    ExpectNo01();
}

}  // namespace
}  // namespace pelkor::test
