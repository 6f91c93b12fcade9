// The replay group: typed limits are checked, cut to whole numbers and written together.
#include <cmath>

#include "core/editors.h"
#include "core/number.h"

namespace pelkor::core {
namespace {

constexpr double kMaxLength = 30000;
constexpr double kMaxFrameStep = 30;

// The boxes as they stand, with the message that a number is due.
ReplayEdit NotANumber(std::wstring length, std::wstring_view storedStep) {
    return {std::move(length), std::wstring(storedStep), Edit::Showing(kError03)};
}

}  // namespace

ReplayEdit ApplyReplayLimits(std::wstring_view typedLength, std::wstring_view typedStep, const WorkingStrip& strip) {
    const std::wstring& storedLength = strip.txt2[2];
    const std::wstring& storedStep = strip.txt2[3];
    // Full-width digits, as an input method types them, count as the digits they are.
    // Each step reads the box as it stands then: a value put back is read again.
    std::wstring length(typedLength);
    std::wstring step(typedStep);
    const std::optional<double> typed = ParseTypedNumber(length);
    if (!typed) return NotANumber(storedLength, storedStep);
    if (*typed > kMaxLength || *typed < 0) length = storedLength;

    const std::optional<double> typedFrameStep = ParseTypedNumber(step);
    if (!typedFrameStep) return NotANumber(length, storedStep);
    if (*typedFrameStep > kMaxFrameStep || *typedFrameStep < 0) step = storedStep;

    const std::optional<double> lengthNumber = ParseTypedNumber(length);
    if (!lengthNumber) return NotANumber(length, storedStep);
    length = PlainDecimal(std::trunc(*lengthNumber));
    const std::optional<double> stepNumber = ParseTypedNumber(step);
    if (!stepNumber) return NotANumber(length, storedStep);
    step = PlainDecimal(std::trunc(*stepNumber));
    return {length, step,
            Edit::Writing({{section::Replay, key::Length, length}, {section::Replay, key::FrameStep, step}})};
}

ReplayEdit ResetReplayLimits() {
    return {L"600", L"5",
            Edit::Writing({{section::Replay, key::Length, L"600"}, {section::Replay, key::FrameStep, L"5"}})};
}

}  // namespace pelkor::core
