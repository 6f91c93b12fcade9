#pragma once
// What a setting editor does with a click: the keys it writes, or the message it shows.
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "core/settings_file.h"

namespace pelkor::core {

struct KeyWrite {
    std::wstring_view section;
    std::wstring_view key;
    std::wstring value;

    bool operator==(const KeyWrite&) const = default;
};

// The keys to write, in order, and then a refresh; or the message due instead, with nothing
// written. Neither: the click changes nothing.
struct Edit {
    std::vector<KeyWrite> writes;
    const Message* message = nullptr;

    static Edit Writing(std::vector<KeyWrite> writes) { return {std::move(writes), nullptr}; }
    static Edit Showing(const Message& message) { return {{}, &message}; }
};

// Writes the keys one by one, in order. False at the first one refused: the keys before it
// stay written, and the write failure (No.02) is due.
bool WriteAll(SettingsFile& file, const std::vector<KeyWrite>& writes);

}  // namespace pelkor::core
