// Reads the thirteen known keys of gr.ini and says what the window shows of each. It
// writes nothing and runs no editor: selecting an option here is a display update only.
#include "core/refresh.h"

#include "core/catalogue.h"
#include "core/editors.h"
#include "core/number.h"

namespace pelkor::core {
namespace {

// The value from its tenth character on: "Palettes\night.pal" gives "night.pal".
std::wstring WithoutFolder(const std::wstring& value) {
    constexpr std::size_t kPrefixLength = value::PalettePrefix.size();
    return value.size() > kPrefixLength ? value.substr(kPrefixLength) : std::wstring();
}

// One refresh: each group in turn, until one cannot be shown.
class Run {
public:
    Run(SettingsFile& file, WorkingStrip& strip, const std::array<int, 3>& bars, Language language)
        : file_(file), strip_(strip), bars_(bars), language_(language) {}

    Display Result() {
        shown_.failed = !(Palette() && Replay() && Screenshot() && Camera() &&
                          Switch(kTrackPreview, strip_.txt5, shown_.trackPreviewNow, shown_.trackPreviewOption) &&
                          Switch(kTyreAutoSort, strip_.txt6, shown_.tyresNow, shown_.tyresOption) && VideoMemory() &&
                          Switch(kAlternativeSpeed, strip_.txt8, shown_.smootherNow, shown_.smootherOption) &&
                          Format());
        return shown_;
    }

private:
    bool Read(std::wstring_view section, std::wstring_view key, std::wstring& into) {
        std::optional<std::wstring> text = file_.Read(section, key);
        if (!text) return false;
        into = std::move(*text);
        return true;
    }

    bool Palette() {
        auto& box = strip_.txt1;
        box[0] = section::Misc;
        box[1] = key::PaletteFile;
        if (!Read(section::Misc, key::PaletteFile, box[2])) return false;
        box[3] = WithoutFolder(box[2]);
        shown_.paletteNow = L" " + box[3];
        if (!file_.HasPaletteFolder()) return false;
        shown_.listPalettes = true;
        return true;
    }

    bool Replay() {
        auto& box = strip_.txt2;
        box[0] = section::Replay;
        box[1] = key::Length;
        if (!Read(section::Replay, key::Length, box[2]) || !Read(section::Replay, key::FrameStep, box[3])) {
            return false;
        }
        shown_.replayNow = L" " + box[2] + L" / " + box[3];
        shown_.lengthBox = box[2];
        shown_.stepBox = box[3];
        return true;
    }

    // The width alone chooses the option.
    bool Screenshot() {
        auto& box = strip_.txt3;
        box[0] = section::Misc;
        box[1] = key::ScreenshotWidth;
        if (!Read(section::Misc, key::ScreenshotWidth, box[2]) || !Read(section::Misc, key::ScreenshotHeight, box[3])) {
            return false;
        }
        shown_.screenshotNow = L" " + box[2] + L"×" + box[3];
        const std::optional<std::int16_t> width = ToInteger16(box[2]);
        if (!width) return false;
        for (std::size_t i = 0; i < std::size(kScreenshotSizes); ++i) {
            if (kScreenshotSizes[i].width == *width) shown_.screenshotOption = static_cast<int>(i);
        }
        return true;
    }

    // "default" leaves the bar where it stands.
    bool Camera() {
        auto& box = strip_.txt4;
        box[0] = section::Viewport;
        box[1] = key::ViewAngle;
        for (std::size_t i = 0; i < std::size(kCameraBars); ++i) {
            const CameraBar& bar = kCameraBars[i];
            std::wstring& text = box[2 + i];
            if (!Read(section::Viewport, bar.key, text)) return false;
            shown_.cameraLabels[i] = text;
            if (text == value::Default) continue;
            const std::optional<std::int16_t> position = ToInteger16(text);
            if (!position || *position < bar.min || *position > bar.max) return false;
            if (*position != bars_[i]) {
                shown_.cameraBars[i] = *position;
                shown_.cameraLabels[i] = CameraLabel(*position);
            }
        }
        const std::wstring tilt(Text(L" 上下 ", L" Tilt ").In(language_));
        const std::wstring turn(Text(L" \u3000 左右 ", L"   Turn ").In(language_));
        const std::wstring zoom(Text(L" \u3000 拡大 ", L"   Zoom ").In(language_));
        shown_.cameraNow = tilt + box[2] + turn + box[3] + zoom + box[4];
        return true;
    }

    // Only 0 and 1 show; the catalogue says which of them means "on".
    bool Switch(const OnOffSwitch& setting, std::array<std::wstring, 3>& box, std::optional<std::wstring>& now,
                std::optional<int>& option) {
        box[0] = setting.section;
        box[1] = setting.key;
        if (!Read(setting.section, setting.key, box[2])) return false;
        const std::optional<std::int16_t> number = ToInteger16(box[2]);
        if (!number) return false;
        if (*number != 0 && *number != 1) return true;
        const bool on = *number == setting.onDigit;
        now = on ? L" ON" : L" OFF";
        option = on ? 0 : 1;
        return true;
    }

    // Whole texts, exact and case-sensitive.
    bool VideoMemory() {
        auto& box = strip_.txt7;
        box[0] = section::Graphics;
        box[1] = key::VideoMemory;
        if (!Read(section::Graphics, key::VideoMemory, box[2])) return false;
        for (const VideoMemoryRow& row : kVideoMemory) {
            if (box[2] != row.stored) continue;
            shown_.videoMemoryNow = std::wstring(row.caption.In(language_));
            shown_.videoMemoryOption = row.option;
            break;
        }
        return true;
    }

    // Shown, never converted.
    bool Format() {
        auto& box = strip_.txt9;
        box[0] = section::Misc;
        box[1] = key::ScreenshotFormat;
        if (!Read(section::Misc, key::ScreenshotFormat, box[2])) return false;
        shown_.formatNow = L" " + box[2];
        return true;
    }

    SettingsFile& file_;
    WorkingStrip& strip_;
    const std::array<int, 3>& bars_;
    Language language_;
    Display shown_;
};

}  // namespace

Display Refresh(SettingsFile& file, WorkingStrip& strip, const std::array<int, 3>& bars, Language language) {
    return Run(file, strip, bars, language).Result();
}

}  // namespace pelkor::core
