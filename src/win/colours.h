#pragma once
// The one place that answers which colours a control is drawn in: the design's, or,
// while the system's high-contrast setting is on, the system's own pairs, which the
// user's theme chose to be told apart.
#include <windows.h>

#include <utility>

#include "win/form_design.h"

namespace pelkor::win {

struct Colours {
    COLORREF text;  // kNoColour: the control's own
    COLORREF back;  // for a push button, its face; kNoColour: the system's button
};

class ColourScheme {
public:
    bool HighContrast() const { return highContrast_; }
    // True when the setting changed.
    bool SetHighContrast(bool on) { return std::exchange(highContrast_, on) != on; }

    // The colours of a row's control; litLink: the colour of a link under the pointer,
    // for the link row while it is lit, else kNoColour.
    Colours Of(const ControlRow& row, COLORREF litLink = kNoColour) const;

private:
    bool highContrast_ = false;
};

}  // namespace pelkor::win
