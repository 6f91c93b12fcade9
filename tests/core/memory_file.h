#pragma once
// gr.ini kept in memory for the rules' tests: the game's typical file, the calls made in
// order, and keys that refuse to be read or written.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/settings_file.h"

namespace pelkor::test {

class MemoryFile final : public core::SettingsFile {
public:
    // The values the game writes on its first run.
    MemoryFile();

    std::optional<std::wstring> Read(std::wstring_view section, std::wstring_view key) override;
    bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
    bool HasPaletteFolder() override {
        calls.push_back(L"palette folder");
        return paletteFolder;
    }

    // The value kept for a key of the typical file, by its key alone; Remove drops it.
    std::wstring& operator[](std::wstring_view key);
    void Remove(std::wstring_view key);

    // "Section/Key" for a read, "Section/Key=value" for a write, in order.
    std::vector<std::wstring> calls;
    // "Section/Key" of keys that refuse reads and writes.
    std::set<std::wstring> refused;
    bool paletteFolder = true;

private:
    std::map<std::wstring, std::wstring> keys_;  // by "Section/Key"
    std::map<std::wstring, std::wstring> sectionOf_;
};

}  // namespace pelkor::test
