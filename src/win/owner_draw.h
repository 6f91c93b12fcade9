#pragma once
#include <windows.h>

namespace pelkor::win {

// A push button with its own face colour, in the classic raised look: normal,
// pressed, focused and disabled states.
void DrawFacedButton(const DRAWITEMSTRUCT& item, COLORREF face, HBRUSH faceBrush);

// An icon resource drawn to fill a picture box, transparent where the icon is.
void DrawPicture(const DRAWITEMSTRUCT& item, HICON icon);

}  // namespace pelkor::win
