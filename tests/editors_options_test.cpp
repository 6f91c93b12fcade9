// The option groups write at once: video memory, screenshot size and the three switches.
#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

class OptionsTest : public FormTest {};

TEST_F(OptionsTest, EachOptionWritesItsOwnTextsAndNothingElse) {
    // The file is already in the profile functions' form, so every other byte must stay.
    std::vector<std::string> expected = TypicalIni();
    game_.WriteIni(expected);
    StartShown();

    struct Case {
        std::size_t option;
        std::size_t label;
        const wchar_t* caption;
        std::vector<std::pair<const char*, const char*>> written;  // key, text
    };
    const std::size_t vram = Ctl(L"lblNow7");
    const std::size_t size = Ctl(L"lblNow3");
    const Case cases[] = {
        {Ctl(L"Option1", 1), vram, L" 4", {{"VideoMemory", "4000"}}},
        {Ctl(L"Option1", 2), vram, L" 8", {{"VideoMemory", "8000"}}},
        {Ctl(L"Option1", 3), vram, L" 16", {{"VideoMemory", "16000"}}},
        {Ctl(L"Option1", 4), vram, L" 32", {{"VideoMemory", "32000"}}},
        {Ctl(L"Option1", 5), vram, L" 64", {{"VideoMemory", "64000"}}},
        {Ctl(L"Option1", 6), vram, L" 128", {{"VideoMemory", "128000"}}},
        {Ctl(L"Option1", 7), vram, L" 256", {{"VideoMemory", "256000"}}},
        {Ctl(L"Option1", 8), vram, L" 512", {{"VideoMemory", "512000"}}},
        {Ctl(L"Option1", 0), vram, L" 自動検知", {{"VideoMemory", "autodetect"}}},
        {Ctl(L"Option2", 4), size, L" 1024×768", {{"ScreenshotWidth", "1024"}, {"ScreenshotHeight", "768"}}},
        {Ctl(L"Option2", 0), size, L" 320×240", {{"ScreenshotWidth", "320"}, {"ScreenshotHeight", "240"}}},
        {Ctl(L"Option2", 1), size, L" 512×384", {{"ScreenshotWidth", "512"}, {"ScreenshotHeight", "384"}}},
        {Ctl(L"Option2", 3), size, L" 800×600", {{"ScreenshotWidth", "800"}, {"ScreenshotHeight", "600"}}},
        {Ctl(L"Option2", 2), size, L" 640×480", {{"ScreenshotWidth", "640"}, {"ScreenshotHeight", "480"}}},
        // "OFF" of the track preview stores 1: the key says whether the faster preview is on.
        {Ctl(L"Option3", 1), Ctl(L"lblNow5"), L" OFF", {{"FasterTrackPreview", "1"}}},
        {Ctl(L"Option3", 0), Ctl(L"lblNow5"), L" ON", {{"FasterTrackPreview", "0"}}},
        {Ctl(L"Option4", 1), Ctl(L"lblNow6"), L" OFF", {{"TyreAutoSort", "0"}}},
        {Ctl(L"Option4", 0), Ctl(L"lblNow6"), L" ON", {{"TyreAutoSort", "1"}}},
        {Ctl(L"Option5", 0), Ctl(L"lblNow8"), L" ON", {{"AlternativeSpeedSetting", "1"}}},  // under "Misc"
        {Ctl(L"Option5", 1), Ctl(L"lblNow8"), L" OFF", {{"AlternativeSpeedSetting", "0"}}},
    };
    for (const Case& c : cases) {
        const app::ControlRow& option = app::kForm1Design[c.option];
        SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(option.name)) << "(" << option.index
                                        << ")");
        Click(c.option);
        for (const auto& [key, text] : c.written) SetValue(expected, key, text);
        EXPECT_EQ(game_.ReadIniBytes(), IniBytes(expected));
        EXPECT_EQ(SelectedOption(option.name), option.index);
        EXPECT_EQ(Text(c.label), c.caption) << "the window shows what the file now holds";
        EXPECT_TRUE(platform_.boxes.empty());
    }
}

}  // namespace
}  // namespace pelkor::test
