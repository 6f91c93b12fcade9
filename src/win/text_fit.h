#pragma once
// Captions that show whole in whatever face the system gives for the designed one.
// The window's rectangles stay as designed; where a caption does not fit the room its
// control leaves for text, the control gets a narrower rendition of its own font: the
// same face and height with a smaller average character width (lfWidth).
#include <windows.h>

#include <string_view>

#include "win/form_design.h"
#include "win/gdi_cache.h"

namespace pelkor::win {

// The part of a control that its caption may fill, as the system's controls draw it.
struct TextRoom {
    int width = 0;       // pixels
    int lines = 1;       // whole lines the control shows
    bool wraps = false;  // the control breaks its text into lines at word ends
};

// Whether a control of this kind shows a caption that may need room.
bool HasCaption(Kind kind);

// The room of a control of `kind` with this client size, `dc` holding the control's own
// font. captionEnd: for a frame, where the control that sits on its top edge begins
// (pixels from the frame's left edge); 0 where none does.
TextRoom RoomFor(Kind kind, SIZE client, int dpi, HDC dc, int captionEnd);

// The caption as it shows: a frame's trailing blanks run on under the control on its
// edge and need no room of their own.
std::wstring_view ShownCaption(Kind kind, std::wstring_view text);

// Whether the text shows whole in the room with the font selected into dc.
bool Fits(HDC dc, std::wstring_view text, const TextRoom& room);

// The average character width to ask for: 0 where the font of `desc` fits as it is,
// otherwise the widest narrower width at which it fits, never below half the font's
// own. The narrower renditions tried come from `fonts` and stay there, so that the one
// chosen, and those tried again for the next caption, are made only once.
int FittingWidth(HDC dc, FontCache& fonts, FontDesc desc, std::wstring_view text, const TextRoom& room);

}  // namespace pelkor::win
