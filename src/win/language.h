#pragma once
// Which rendition of the program's texts the user reads.
#include "core/text.h"

namespace pelkor::win {

using core::Language;
using core::Text;

// The rendition for the user's display language: Japanese for Japanese, English for any
// other. Asked once, at start-up; the program keeps no setting of its own for it.
Language UserLanguage();

}  // namespace pelkor::win
