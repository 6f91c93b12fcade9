#pragma once
// The setting editors' rules, one file per group: from what the user chose or typed, the
// keys to write and the texts the window's boxes take.
#include <array>
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "core/edit.h"
#include "core/working_strip.h"

namespace pelkor::core {

// Palette: the name remembered from the list and the one selected there now; either
// missing asks for a file (No.04).
Edit ChangePalette(std::wstring_view remembered, std::wstring_view selected);
Edit ResetPalette();

// Screenshot size: the option chosen writes its width, then its height.
Edit ChooseScreenshotSize(int option);

// Replay limits: the boxes' texts after the check, and what is written from them.
struct ReplayEdit {
    std::wstring length;
    std::wstring step;
    Edit edit;
};
// Typed limits: out of range puts the file's own value (from the strip) back without a
// message, a text that is no number puts it back and asks for a number (No.03); the rest
// is cut to a whole number and both keys written, the time first.
ReplayEdit ApplyReplayLimits(std::wstring_view typedLength, std::wstring_view typedStep, const WorkingStrip& strip);
// The defaults go into the boxes, and stay there even if the write then fails.
ReplayEdit ResetReplayLimits();

// Camera view: what a bar's label shows at a position, and what the labels write.
std::wstring CameraLabel(int position);
using CameraLabels = std::array<std::wstring, 3>;
Edit ApplyCamera(const CameraLabels& labels);
// The labels that reset writes; the bars stay where they are.
CameraLabels ResetCameraLabels();

// The on/off switches: option 0, the left one, is "on" in every frame.
Edit ChooseSwitch(const OnOffSwitch& setting, int option);

// Video memory: the option chosen writes its size at once.
Edit ChooseVideoMemory(int option);

}  // namespace pelkor::core
