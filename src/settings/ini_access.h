#pragma once
// One key of gr.ini at a time, through the system's profile functions, with the
// text in the ANSI code page.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings_file.h"

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

// gr.ini and the palette folder of the game's folder, as the refresh and the editors of the
// main window reach them: through the functions above and the window's shared state.
class ProfileFile final : public core::SettingsFile {
public:
    ProfileFile(IniState& state, std::wstring programDirectory)
        : state_(state), directory_(std::move(programDirectory)) {}

    // Before a refresh: where gr.ini is, worked out once for all its reads.
    void PrepareReading();
    // After a refresh that could not show the file: whether another program held it (every
    // read then gives the empty text), waited for until it lets go, for up to 2 s.
    bool WaitedWhileHeld();
    // IniFileName and IniSection set, and ReadSetting.
    std::optional<std::wstring> Read(std::wstring_view section, std::wstring_view key) override;
    // IniValue set, and WriteSetting.
    bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
    bool HasPaletteFolder() override;

    // The palette folder, and its time of last writing as HasPaletteFolder found it.
    const std::wstring& PaletteFolder() const { return paletteFolder_; }
    FILETIME PaletteFolderWritten() const { return paletteFolderWritten_; }

private:
    IniState& state_;
    std::wstring directory_;
    std::wstring iniFile_;
    std::wstring paletteFolder_;
    FILETIME paletteFolderWritten_{};
};

}  // namespace pelkor::settings
