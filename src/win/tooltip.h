#pragma once
#include <windows.h>

#include <string_view>

namespace pelkor::win {

// A tooltip window owned by `owner`; the system destroys it with its owner.
HWND CreateTooltip(HWND owner);
// Shows `text` while the pointer rests on `control`.
void AddTooltip(HWND tooltip, HWND owner, HWND control, std::wstring_view text);

}  // namespace pelkor::win
