#include "win/colours.h"

namespace pelkor::win {

Colours ColourScheme::Of(const ControlRow& row, COLORREF litLink) const {
    const bool button = row.kind == Kind::Button;
    if (!highContrast_) {
        const COLORREF text = litLink != kNoColour ? litLink : row.text;
        if (button) return {text, row.back};
        return {text, row.back != kNoColour ? row.back : ::GetSysColor(COLOR_BTNFACE)};
    }
    // Window text on window where the user types or chooses, the highlight pair for the
    // values the design sets off in a colour of their own, the hot-light colour for the
    // links, and button text on button face for everything on the window's surface.
    switch (row.kind) {
        case Kind::Button: return {::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNFACE)};
        case Kind::Edit:
        case Kind::FileList: return {::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW)};
        case Kind::Link: return {::GetSysColor(COLOR_HOTLIGHT), ::GetSysColor(COLOR_BTNFACE)};
        default: break;
    }
    if (row.back != kNoColour) return {::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT)};
    return {::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNFACE)};
}

}  // namespace pelkor::win
