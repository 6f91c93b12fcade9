// ShowCurrentSettings: reads the thirteen known keys of gr.ini and puts every value
// on the window. It writes nothing and runs no editor: selecting an option here is a
// display update only.
#include "app/application.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "settings/catalogue.h"
#include "settings/number.h"
#include "settings/wait_until_readable.h"
#include "win/failure.h"

namespace pelkor::app {
namespace {

namespace key = settings::key;
namespace section = settings::section;

// The value from its tenth character on: "Palettes\night.pal" gives "night.pal".
std::wstring WithoutFolder(const std::wstring& value) {
    constexpr std::size_t kPrefixLength = settings::value::PalettePrefix.size();
    return value.size() > kPrefixLength ? value.substr(kPrefixLength) : std::wstring();
}

}  // namespace

void Form1::ShowCurrentSettings() {
    const std::wstring directory = ProgramDirectory();
    // Where gr.ini is, worked out once for the whole refresh.
    const std::wstring iniFile = settings::IniPathFor(directory);
    // Held by another program for a moment (just after a write, a scanner or a sync
    // client may have it), the file would give every read the empty text and end the
    // program: it is waited for a little first.
    settings::WaitUntilReadable(iniFile);
    // Each group of reads starts with the file name set anew and its section set.
    auto beginGroup = [&](std::wstring_view sectionName) {
        ini_.IniFileName = iniFile;
        ini_.IniSection = sectionName;
    };
    auto read = [&](std::wstring_view keyName) { return settings::ReadSetting(ini_, keyName); };

    try {
        // Palette.
        beginGroup(section::Misc);
        txt1[0] = section::Misc;
        txt1[1] = key::PaletteFile;
        txt1[2] = read(key::PaletteFile);
        txt1[3] = WithoutFolder(txt1[2]);
        SetCaption(Ctl(L"lblNow"), L" " + txt1[3]);
        const std::wstring paletteFolder = directory + L"\\" + std::wstring(settings::kPaletteFolder);
        WIN32_FILE_ATTRIBUTE_DATA folder{};
        if (!::GetFileAttributesExW(paletteFolder.c_str(), GetFileExInfoStandard, &folder) ||
            !(folder.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            throw RuntimeFailure("no Palettes folder");
        }
        FillFileList(paletteFolder, folder.ftLastWriteTime);

        // Replay limits.
        beginGroup(section::Replay);
        txt2[0] = section::Replay;
        txt2[1] = key::Length;
        txt2[2] = read(key::Length);
        txt2[3] = read(key::FrameStep);
        SetCaption(Ctl(L"lblNow2"), L" " + txt2[2] + L" / " + txt2[3]);
        SetCaption(Ctl(L"txt12", 2), txt2[2]);
        SetCaption(Ctl(L"txt12", 3), txt2[3]);

        // Screenshot size: the width alone chooses the option.
        beginGroup(section::Misc);
        txt3[0] = section::Misc;
        txt3[1] = key::ScreenshotWidth;
        txt3[2] = read(key::ScreenshotWidth);
        txt3[3] = read(key::ScreenshotHeight);
        SetCaption(Ctl(L"lblNow3"), L" " + txt3[2] + L"×" + txt3[3]);
        const int width = settings::ToInteger16(txt3[2]);
        for (std::size_t i = 0; i < std::size(settings::kScreenshotSizes); ++i) {
            if (settings::kScreenshotSizes[i].width == width) SelectOption(L"Option2", static_cast<int>(i));
        }

        // Camera view: "default" leaves the bar where it stands.
        beginGroup(section::Viewport);
        txt4[0] = section::Viewport;
        txt4[1] = key::ViewAngle;
        const std::wstring_view cameraKeys[] = {key::ViewAngle, key::Rotation, key::Zoom};
        const std::size_t bars[] = {Ctl(L"Sc1"), Ctl(L"Sc2"), Ctl(L"Sc3")};
        const std::size_t valueLabels[] = {Ctl(L"llblV", 0), Ctl(L"llblV", 1), Ctl(L"llblV", 2)};
        for (std::size_t i = 0; i < 3; ++i) {
            std::wstring& value = txt4[2 + i];
            value = read(cameraKeys[i]);
            SetCaption(valueLabels[i], value);
            if (value != settings::value::Default) SetScrollPosition(bars[i], settings::ToInteger16(value));
        }
        const std::wstring tilt(Shown({L" 上下 ", L" Tilt "})), turn(Shown({L" \u3000 左右 ", L"   Turn "})),
            zoom(Shown({L" \u3000 拡大 ", L"   Size "}));
        SetCaption(Ctl(L"lblNow4"), tilt + txt4[2] + turn + txt4[3] + zoom + txt4[4]);

        // The three switches; the catalogue says which digit means "on".
        struct Switch {
            const settings::OnOffSwitch& setting;
            std::wstring_view group;
            std::array<std::wstring, 3>& box;
            std::size_t label;
        };
        const Switch switches[] = {
            {settings::kTrackPreview, L"Option3", txt5, Ctl(L"lblNow5")},
            {settings::kTyreAutoSort, L"Option4", txt6, Ctl(L"lblNow6")},
        };
        auto showSwitch = [&](const Switch& s) {
            beginGroup(s.setting.section);
            s.box[0] = s.setting.section;
            s.box[1] = s.setting.key;
            s.box[2] = read(s.setting.key);
            const int number = settings::ToInteger16(s.box[2]);
            if (number != 0 && number != 1) return;
            const bool on = number == s.setting.onDigit;
            SetCaption(s.label, on ? L" ON" : L" OFF");
            SelectOption(s.group, on ? 0 : 1);
        };
        for (const Switch& s : switches) showSwitch(s);

        // Video memory: whole texts, exact and case-sensitive.
        beginGroup(section::Graphics);
        txt7[0] = section::Graphics;
        txt7[1] = key::VideoMemory;
        txt7[2] = read(key::VideoMemory);
        for (const settings::VideoMemoryRow& row : settings::kVideoMemory) {
            if (txt7[2] != row.stored) continue;
            SetCaption(Ctl(L"lblNow7"), Shown(row.caption));
            SelectOption(L"Option1", row.option);
            break;
        }

        showSwitch({settings::kAlternativeSpeed, L"Option5", txt8, Ctl(L"lblNow8")});

        // Screenshot format: shown, never converted.
        beginGroup(section::Misc);
        txt9[0] = section::Misc;
        txt9[1] = key::ScreenshotFormat;
        txt9[2] = read(key::ScreenshotFormat);
        SetCaption(Ctl(L"lblNow9"), L" " + txt9[2]);
    } catch (const std::exception&) {
        ShowMessage(kError01);
        app_.EndAfterFailure();
    }
}

}  // namespace pelkor::app
