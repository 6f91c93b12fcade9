// Nothing is lost: thousands of random editor actions on a file full of unknown
// sections, keys and comments, each compared byte for byte with a model of the file.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

#include "support/expected_messages.h"
#include "support/form_fixture.h"
#include "win/text.h"

namespace pelkor::test {
namespace {

// The file in the profile functions' own form (CRLF, key=value, no blank lines), so that
// a write changes the bytes of its own line and nothing else.
std::vector<std::string> RichIni() {
    std::vector<std::string> lines = {"; kept by the game, edited by hand", "[Network]", "Port=27500",
                                      "; the last server", "LastServer=192.168.0.10"};
    for (const std::string& line : TypicalIni()) {
        lines.push_back(line);
        if (line == "[Misc]") lines.insert(lines.end(), {"Language=english", "; 0 is off", "ShowIntro=1"});
        if (line == "[Graphics]") lines.push_back("Fullscreen=1");
    }
    lines.insert(lines.end(), {"[Controls]", "Player1Up=Up", "; second player", "Player2Up=W", "[Empty]"});
    return lines;
}

// What the file must hold: its lines, with known keys set where they stand.
class FileModel {
public:
    explicit FileModel(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    void Set(const std::string& section, const std::string& key, const std::string& value) {
        bool inSection = false;
        for (std::string& line : lines_) {
            if (!line.empty() && line[0] == '[') {
                inSection = line == "[" + section + "]";
            } else if (inSection && line.rfind(key + "=", 0) == 0) {
                line = key + "=" + value;
                return;
            }
        }
        FAIL() << "the model's file has no " << section << "/" << key;
    }
    std::string Get(const std::string& section, const std::string& key) const {
        bool inSection = false;
        for (const std::string& line : lines_) {
            if (!line.empty() && line[0] == '[') inSection = line == "[" + section + "]";
            else if (inSection && line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
        }
        return {};
    }
    std::string Bytes() const { return IniBytes(lines_); }

private:
    std::vector<std::string> lines_;
};

std::optional<double> Number(const std::wstring& text) {
    // An independent reading of "a plain decimal number with blanks around it".
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return std::nullopt;
    const std::wstring trimmed = text.substr(first, text.find_last_not_of(L" \t") - first + 1);
    wchar_t* end = nullptr;
    const double value = std::wcstod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || trimmed.find_first_of(L"xXnNiI") != std::wstring::npos)
        return std::nullopt;
    return value;
}

std::string Digits(double value) {
    const double whole = std::trunc(value);
    return std::to_string(static_cast<long long>(whole == 0 ? 0 : whole));
}

class NothingLost : public FormTest {
protected:
    void Expect(const char* what) {
        ASSERT_EQ(game_.ReadIniBytes(), model_.Bytes()) << "after " << what << " (action " << action_ << ")";
    }
    // The box the action must have shown, if any, and no other.
    void ExpectBox(const wchar_t* title) {
        if (!title) {
            ASSERT_TRUE(platform_.boxes.empty())
                << "unexpected box " << testing::PrintToString(platform_.boxes[0].title);
        } else {
            ASSERT_EQ(platform_.boxes.size(), 1u) << "action " << action_;
            EXPECT_EQ(platform_.boxes[0].title, title);
        }
        platform_.boxes.clear();
    }
    // After a write the window shows the file again: camera labels from the file.
    void Refreshed() {
        const char* keys[] = {"ViewAngle", "Rotation", "Zoom"};
        for (int i = 0; i < 3; ++i) {
            label_[i] = model_.Get("Viewport", keys[i]);
            if (label_[i] != "default") position_[i] = std::stoi(label_[i]);
        }
    }

    FileModel model_{RichIni()};
    int action_ = 0;
    int position_[3] = {60, 0, 105};
    std::string label_[3] = {"default", "default", "default"};
};

TEST_F(NothingLost, ThousandsOfRandomEditorActions) {
    const char* seedText = std::getenv("PELKOR_SEED");
    const unsigned seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10)) : 20261207u;
    std::printf("seed %u (set PELKOR_SEED to repeat another run)\n", seed);
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    game_.WriteIni(RichIni());
    for (const wchar_t* name : {L"gr.pal", L"night.pal", L"夜景.pal", L"sunset 2.pal"}) game_.AddPalette(name);
    StartShown();
    Expect("start-up");

    const std::size_t bars[] = {Ctl(L"Sc1"), Ctl(L"Sc2"), Ctl(L"Sc3")};
    const int low[] = {0, 0, 10}, high[] = {359, 359, 255};
    const wchar_t* lengths[] = {L"0", L"30000", L"30001", L"-1",   L"12.9",     L" 45 ", L"007", L"abc",
                                L"",  L"1e3",   L"600",   L"-0.5", L"29999.99", L"3e4",  L"1e5", L"1 2"};
    const wchar_t* steps[] = {L"0", L"30", L"31", L"5", L"2.5", L"abc", L"", L"-3", L"30.5", L"7", L"+4"};
    const char* memory[] = {"autodetect", "4000", "8000", "16000", "32000", "64000", "128000", "256000", "512000"};
    const char* widths[] = {"320", "512", "640", "800", "1024"};
    const char* heights[] = {"240", "384", "480", "600", "768"};
    std::wstring chosenPalette;

    const int kActions = 2500;
    for (action_ = 0; action_ < kActions; ++action_) {
        switch (pick(10)) {
            case 0: {  // video memory
                const int i = pick(9);
                Click(Row(L"Option1", i));
                model_.Set("Graphics", "VideoMemory", memory[i]);
                Refreshed();
                ExpectBox(nullptr);
                break;
            }
            case 1: {  // screenshot size
                const int i = pick(5);
                Click(Row(L"Option2", i));
                model_.Set("Misc", "ScreenshotWidth", widths[i]);
                model_.Set("Misc", "ScreenshotHeight", heights[i]);
                Refreshed();
                ExpectBox(nullptr);
                break;
            }
            case 2: {  // the three switches
                const int group = pick(3), i = pick(2);
                const wchar_t* names[] = {L"Option3", L"Option4", L"Option5"};
                Click(Row(names[group], i));
                if (group == 0) model_.Set("Graphics", "FasterTrackPreview", i == 0 ? "0" : "1");
                if (group == 1) model_.Set("Graphics", "TyreAutoSort", i == 0 ? "1" : "0");
                if (group == 2) model_.Set("Misc", "AlternativeSpeedSetting", i == 0 ? "1" : "0");
                Refreshed();
                ExpectBox(nullptr);
                break;
            }
            case 3:
            case 4: {  // typed replay limits
                const std::wstring typedLength = lengths[pick(static_cast<int>(std::size(lengths)))];
                const std::wstring typedStep = steps[pick(static_cast<int>(std::size(steps)))];
                Type(Ctl(L"txt12", 2), typedLength);
                Type(Ctl(L"txt12", 3), typedStep);
                Click(Ctl(L"Command5"));
                const auto length = Number(typedLength), step = Number(typedStep);
                if (!length || !step) {
                    ExpectBox(kNo03.title);
                    break;
                }
                const bool lengthOk = *length >= 0 && *length <= 30000;
                const bool stepOk = *step >= 0 && *step <= 30;
                const std::string newLength = lengthOk ? Digits(*length) : model_.Get("Replay", "Length");
                const std::string newStep = stepOk ? Digits(*step) : model_.Get("Replay", "FrameStep");
                model_.Set("Replay", "Length", newLength);
                model_.Set("Replay", "FrameStep", newStep);
                Refreshed();
                ExpectBox(nullptr);
                break;
            }
            case 5:  // replay reset
                Type(Ctl(L"txt12", 2), L"junk");
                Click(Ctl(L"Command8"));
                model_.Set("Replay", "Length", "600");
                model_.Set("Replay", "FrameStep", "5");
                Refreshed();
                ExpectBox(nullptr);
                break;
            case 6:
            case 7: {  // camera bars, then apply, reset, or leave the moves unwritten
                for (int moves = pick(4); moves > 0; --moves) {
                    const int bar = pick(3);
                    const UINT codes[] = {SB_LINELEFT, SB_LINERIGHT, SB_PAGELEFT, SB_PAGERIGHT};
                    const int deltas[] = {-1, 1, -10, 10};
                    const int which = pick(4);
                    ::SendMessageW(form().hwnd(), WM_HSCROLL, MAKEWPARAM(codes[which], 0),
                                   reinterpret_cast<LPARAM>(Control(bars[bar])));
                    const int next = std::clamp(position_[bar] + deltas[which], low[bar], high[bar]);
                    if (next != position_[bar]) label_[bar] = std::to_string(position_[bar] = next);
                }
                const int then = pick(3);
                if (then == 0) {
                    Click(Ctl(L"Command7"));
                    model_.Set("Viewport", "ViewAngle", label_[0]);
                    model_.Set("Viewport", "Rotation", label_[1]);
                    model_.Set("Viewport", "Zoom", label_[2]);
                    Refreshed();
                } else if (then == 1) {
                    Click(Ctl(L"Command6"));
                    for (const char* key : {"ViewAngle", "Rotation", "Zoom"}) model_.Set("Viewport", key, "default");
                    Refreshed();
                }
                // The labels, not the bars, say what "実行" would write.
                for (int i = 0; i < 3; ++i) ASSERT_EQ(Text(Row(L"llblV", i)), win::FromAnsi(label_[i])) << "bar " << i;
                ExpectBox(nullptr);
                break;
            }
            case 8: {  // palette: choose and change, or change with nothing chosen
                const wchar_t* files[] = {L"gr.pal", L"night.pal", L"夜景.pal", L"sunset 2.pal"};
                if (pick(2)) ChooseFile(chosenPalette = files[pick(4)]);
                Click(Ctl(L"Command1"));
                if (chosenPalette.empty()) {
                    ExpectBox(kNo04.title);
                    break;
                }
                model_.Set("Misc", "PaletteFile", "Palettes\\" + win::ToAnsi(chosenPalette));
                Refreshed();
                ExpectBox(nullptr);
                break;
            }
            case 9:  // palette reset
                Click(Ctl(L"Command2"));
                model_.Set("Misc", "PaletteFile", "Palettes\\gr.pal");
                Refreshed();
                ExpectBox(nullptr);
                break;
        }
        Expect("a random action");
        if (HasFatalFailure()) return;
    }
    std::printf("%d actions, file as modelled after each\n", kActions);
}

}  // namespace
}  // namespace pelkor::test
