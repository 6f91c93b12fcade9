#pragma once
// gr.ini as the program's rules see it: one key at a time, in the order the rules ask.
// The program reads and writes it through the system's profile functions; the rules'
// tests through a file kept in memory.
#include <optional>
#include <string>
#include <string_view>

namespace pelkor::core {

class SettingsFile {
public:
    virtual ~SettingsFile() = default;

    // The text kept for the key: empty where the file, the section or the key is missing.
    // nullopt where it cannot be asked for (a name without a form in the file's code page).
    virtual std::optional<std::wstring> Read(std::wstring_view section, std::wstring_view key) = 0;
    // Writes one key; false when it was refused, and then nothing of it was written.
    virtual bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;
    // Whether the game's folder holds its palette folder.
    virtual bool HasPaletteFolder() = 0;
};

}  // namespace pelkor::core
