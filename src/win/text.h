#pragma once
// Text between the program's Unicode and the system's ANSI code page, the form
// that gr.ini and the profile functions use.
#include <string>
#include <string_view>

namespace pelkor::win {

// Throws RuntimeFailure when a character has no form in the ANSI code page:
// writing a "?" in its place would give the game a name it cannot open.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

}  // namespace pelkor::win
