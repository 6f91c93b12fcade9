#pragma once
// The refresh: what the thirteen known keys of gr.ini make the main window show.
#include <array>
#include <optional>
#include <string>

#include "core/settings_file.h"
#include "core/text.h"
#include "core/working_strip.h"

namespace pelkor::core {

// What a refresh puts on the main window. An empty field leaves its control as it is.
struct Display {
    // The current-value captions, by group.
    std::optional<std::wstring> paletteNow, replayNow, screenshotNow, cameraNow, trackPreviewNow, tyresNow,
        videoMemoryNow, smootherNow, formatNow;
    // The replay boxes.
    std::optional<std::wstring> lengthBox, stepBox;
    // The camera's value labels and bar positions, left to right.
    std::array<std::optional<std::wstring>, 3> cameraLabels;
    std::array<std::optional<int>, 3> cameraBars;
    // The selected option of each group.
    std::optional<int> screenshotOption, trackPreviewOption, tyresOption, videoMemoryOption, smootherOption;
    // The palette list is read from the folder anew, and the remembered name kept in step with it.
    bool listPalettes = false;
    // The settings cannot be shown (No.01): the program ends. The fields above hold what
    // was shown up to the failure.
    bool failed = false;
};

// Reads the keys group by group, in the window's order, into the strip, and says what the
// window shows. `bars`: where the camera's bars stand now; a bar moved to a value sets its
// label to the position, as dragging it does, while a bar already there keeps the text read.
// A read refused, a missing palette folder or a value that cannot be shown ends it: the keys
// after it are not read.
Display Refresh(SettingsFile& file, WorkingStrip& strip, const std::array<int, 3>& bars, Language language);

}  // namespace pelkor::core
