#pragma once
// One key of gr.ini at a time, through the system's profile functions, with the
// text in the ANSI code page.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelkor::settings {

// The state that every reading and writing handler of the main window shares.
struct IniState {
    std::wstring IniFileName;
    std::wstring IniSection;
    std::wstring IniKey;
    std::array<char, 1024> ReadBuffer{};
    std::wstring IniValue;
    std::int32_t ReadBufferSize = 0;
    std::int32_t IniResult = 0;
};

// Program directory + "\" + "gr.ini", joined without a test: a drive root gives two backslashes.
// In the 64-bit build, the user's VirtualStore copy of that file instead, where one exists.
std::wstring IniPathFor(const std::wstring& programDirectory);

// Reads IniKey = key of IniSection from IniFileName; a missing file, section or key
// gives the empty text. Throws RuntimeFailure when a name has no ANSI form.
std::wstring ReadSetting(IniState& state, std::wstring_view key);

// Writes IniValue to key of section, building IniFileName anew. Throws RuntimeFailure
// when the system refuses the write or a text has no ANSI form (then nothing is written).
void WriteSetting(IniState& state, const std::wstring& programDirectory, std::wstring_view section,
                  std::wstring_view key);

}  // namespace pelkor::settings
