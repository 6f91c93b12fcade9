#include "core/edit.h"

namespace pelkor::core {

bool WriteAll(SettingsFile& file, const std::vector<KeyWrite>& writes) {
    for (const KeyWrite& write : writes) {
        if (!file.Write(write.section, write.key, write.value)) return false;
    }
    return true;
}

}  // namespace pelkor::core
