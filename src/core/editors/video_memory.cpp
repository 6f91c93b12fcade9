// The video memory group: a click writes the size at once.
#include "core/editors.h"

namespace pelkor::core {

Edit ChooseVideoMemory(int option) {
    for (const VideoMemoryRow& row : kVideoMemory) {
        if (row.option == option)
            return Edit::Writing({{section::Graphics, key::VideoMemory, std::wstring(row.stored)}});
    }
    return {};
}

}  // namespace pelkor::core
