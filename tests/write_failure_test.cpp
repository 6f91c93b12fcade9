// A write the system refuses is reported as error No.02 by every writing handler,
// which then skips its refresh; the next try, once the file is free, succeeds.
#include <functional>

#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

class WriteFailureTest : public FormTest {};

TEST_F(WriteFailureTest, EveryWritingHandlerReportsARefusedWrite) {
    std::vector<std::string> lines = TypicalIniWith("Length", "1234");
    SetValue(lines, "FrameStep", "9");
    game_.WriteIni(lines);
    game_.AddPalette(L"night.pal");
    StartShown();

    struct Case {
        std::size_t click;
        std::function<void()> prepare;
        const char* section;
        const char* key;
        const char* written;  // once the file is free again
    };
    const Case cases[] = {
        {Ctl(L"Command1"), [&] { ChooseFile(L"night.pal"); }, "Misc", "PaletteFile", "Palettes\\night.pal"},
        {Ctl(L"Command2"), nullptr, "Misc", "PaletteFile", "Palettes\\gr.pal"},
        {Ctl(L"Option1", 2), nullptr, "Graphics", "VideoMemory", "8000"},
        {Ctl(L"Option2", 3), nullptr, "Misc", "ScreenshotWidth", "800"},
        {Ctl(L"Option3", 1), nullptr, "Graphics", "FasterTrackPreview", "1"},
        {Ctl(L"Option4", 1), nullptr, "Graphics", "TyreAutoSort", "0"},
        {Ctl(L"Option5", 0), nullptr, "Misc", "AlternativeSpeedSetting", "1"},
        {Ctl(L"Command5"), [&] { Type(Ctl(L"txt12", 2), L"700"); }, "Replay", "Length", "700"},
        {Ctl(L"Command8"), nullptr, "Replay", "Length", "600"},
        {Ctl(L"Command7"), [&] { ::SendMessageW(Control(Ctl(L"Sc2")), WM_KEYDOWN, VK_NEXT, 0); }, "Viewport",
         "Rotation", "10"},
        {Ctl(L"Command6"), nullptr, "Viewport", "Rotation", "default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(app::kForm1Design[c.click].name)));
        if (c.prepare) c.prepare();
        const std::string before = game_.ReadIniBytes();
        {
            HeldIni held(game_);
            Click(c.click);
        }
        ExpectOneBox(platform_, kNo02);
        EXPECT_EQ(game_.ReadIniBytes(), before);
        EXPECT_TRUE(platform_.endings.empty()) << "a refresh on the held file would have ended the program";

        Click(c.click);
        EXPECT_TRUE(platform_.boxes.empty());
        EXPECT_EQ(game_.Read(c.section, c.key), c.written);
    }
}

}  // namespace
}  // namespace pelkor::test
