// The three on/off switches: the catalogue says which digit "on" stores.
#include "core/editors.h"

namespace pelkor::core {

Edit ChooseSwitch(const OnOffSwitch& setting, int option) {
    return Edit::Writing({{setting.section, setting.key, std::wstring(setting.Stored(option == 0))}});
}

}  // namespace pelkor::core
