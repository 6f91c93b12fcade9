// The replay group: typed limits are checked, truncated and written together.
#include <cmath>

#include "app/main_window.h"
#include "settings/catalogue.h"
#include "settings/number.h"
#include "win/failure.h"

namespace pelkor::app {
namespace {

constexpr double kMaxLength = 30000;
constexpr double kMaxFrameStep = 30;

}  // namespace

void Form1::Command5_Click() {
    const std::size_t lengthBox = Ctl(L"txt12", 2);
    const std::size_t stepBox = Ctl(L"txt12", 3);
    // One conversion for every step; a text it rejects takes the recovery in force.
    // Full-width digits, as an input method types them, count as the digits they are.
    auto number = [&](std::size_t box) {
        const auto value = settings::ParseTypedNumber(Caption(box));
        if (!value) throw RuntimeFailure("not a number");
        return *value;
    };

    enum class Stage { BothBoxes, StepBox, Write } stage = Stage::BothBoxes;
    try {
        // Out of range puts back the file's own value, without a message.
        const double length = number(lengthBox);
        if (length > kMaxLength || length < 0) SetCaption(lengthBox, txt2[2]);

        stage = Stage::StepBox;
        const double step = number(stepBox);
        if (step > kMaxFrameStep || step < 0) SetCaption(stepBox, txt2[3]);
        SetCaption(lengthBox, settings::PlainDecimal(std::trunc(number(lengthBox))));
        SetCaption(stepBox, settings::PlainDecimal(std::trunc(number(stepBox))));

        stage = Stage::Write;
        ini_.IniValue = Caption(lengthBox);
        WriteSetting(settings::section::Replay, settings::key::Length);
        ini_.IniValue = Caption(stepBox);
        WriteSetting(settings::section::Replay, settings::key::FrameStep);
    } catch (const std::exception&) {
        if (stage == Stage::Write) {
            ShowWriteFailure();
            return;
        }
        if (stage == Stage::BothBoxes) SetCaption(lengthBox, txt2[2]);
        SetCaption(stepBox, txt2[3]);
        ShowMessage(kError03);
        return;
    }
    ShowCurrentSettings();
}

void Form1::Command8_Click() {
    // The boxes take the defaults first; they keep them even if the write then fails.
    SetCaption(Ctl(L"txt12", 2), L"600");
    SetCaption(Ctl(L"txt12", 3), L"5");
    WriteKeysAndRefresh({{settings::section::Replay, settings::key::Length, Caption(Ctl(L"txt12", 2))},
                         {settings::section::Replay, settings::key::FrameStep, Caption(Ctl(L"txt12", 3))}});
}

}  // namespace pelkor::app
