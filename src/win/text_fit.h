#pragma once
// Captions that show whole in whatever face the system gives for the designed one.
// The window's rectangles stay as designed; where a caption does not fit the room its
// control leaves for text, the control gets a narrower rendition of its own font: the
// same face with a smaller average character width (lfWidth), and, where a label is
// lower than the face's letters, a smaller height as well.
#include <windows.h>

#include <string_view>

#include "win/form_design.h"
#include "win/gdi_cache.h"
#include "win/handles.h"

namespace pelkor::win {

// The part of a control that its caption may fill, as the system's controls draw it.
struct TextRoom {
    int width = 0;       // pixels
    int height = 0;      // pixels its last line must stand inside; 0 where the control is tall enough
    bool wraps = false;  // the control breaks its text into lines at word ends
};

// The rendition of a control's font that its caption needs; zeros for the font's own.
struct Fitting {
    int height = 0;        // character height in pixels
    int width = 0;         // average character width in pixels
    bool outline = false;  // the nearest outline face in place of a bitmap one
    bool operator==(const Fitting&) const = default;
};

// Whether a control of this kind shows a text that may need room: a caption, or the value
// of a text box, which scrolls sideways but must not be cut at the bottom.
bool HasCaption(Kind kind);

// The room of a control of `kind` with this client size, `dc` holding the control's own
// font. captionEnd: for a frame, where the control that sits on its top edge begins
// (pixels from the frame's left edge); 0 where none does.
TextRoom RoomFor(Kind kind, SIZE client, int dpi, HDC dc, int captionEnd);

// The caption as it shows: a frame's trailing blanks run on under the control on its
// edge and need no room of their own.
std::wstring_view ShownCaption(Kind kind, std::wstring_view text);

// Where a caption is drawn to see what its letters paint below the baseline: one bitmap,
// made at the first caption that needs it and grown as needed, so that fitting every
// caption of a window makes one rather than one each.
class InkCanvas {
public:
    // The row below the lowest pixel that the text paints, drawn with dc's font into a
    // rectangle width x height as a control draws it (flags of DrawText); 0 where it paints
    // none, `height` where it cannot tell.
    int InkBottom(HDC dc, std::wstring_view text, int width, int height, UINT flags);

private:
    Unique<HBITMAP, GdiTraits<HBITMAP>> bitmap_;
    UniqueDC dc_;  // holds the bitmap
    const DWORD* pixels_ = nullptr;
    int width_ = 0;  // in pixels, a row of pixels_ too
    int height_ = 0;
};

// Whether the text shows whole in the room with the font selected into dc: no line wider
// than the room, and the last line inside it, what its letters paint below the baseline
// (drawn on `ink`) included.
bool Fits(HDC dc, std::wstring_view text, const TextRoom& room, InkCanvas& ink);

// The rendition to ask for: zeros where the font of `desc` fits as it is. Otherwise, in a
// room too low for the font's letters, the tallest height whose letters stand in it; then
// the widest average width at which the text fits, never below half the font's own; where
// no width makes it fit, a lower height at the font's own width. Both never go below half.
// A bitmap face that does not fit comes in fixed sizes that may all be too large: the
// nearest outline face the system has takes its place, and is fitted so. The renditions
// tried come from `fonts` and stay there, so that the one chosen, and those tried again
// for the next caption, are made only once.
Fitting FittingFont(HDC dc, FontCache& fonts, InkCanvas& ink, FontDesc desc, std::wstring_view text,
                    const TextRoom& room);

}  // namespace pelkor::win
