#pragma once
// The help line: the pointer over an area, or the keyboard focus entering one, explains it.
#include <optional>
#include <string_view>

#include "core/text.h"

namespace pelkor::core {

// The help text of an area: a frame or the video memory options by their name, the
// window's own surface by the empty name. nullopt where the area has none.
std::optional<Text> HelpOf(std::wstring_view area);

}  // namespace pelkor::core
