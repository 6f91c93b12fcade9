#pragma once
#include <windows.h>

#include "win/handles.h"

namespace pelkor::win {

// A push button with its own face colour, in the classic raised look: normal,
// pressed, focused and disabled states.
void DrawFacedButton(const DRAWITEMSTRUCT& item, COLORREF face, HBRUSH faceBrush);

// The dotted focus frame around a left-aligned label's text, drawn over what the label
// painted; none while the window hides focus marks until the keyboard is used.
void DrawLabelFocus(HWND label);

// An icon resource of the program's exe at a size in pixels; empty where it has none.
UniqueIcon LoadExeIcon(int id, int width, int height);

// An icon resource drawn to fill a picture box, transparent where the icon is.
void DrawPicture(const DRAWITEMSTRUCT& item, HICON icon);

}  // namespace pelkor::win
