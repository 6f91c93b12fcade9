// The video memory group: a click writes the size at once.
#include "app/main_window.h"
#include "settings/catalogue.h"

namespace pelkor::app {

void Form1::Option1_Click(short index) {
    for (const settings::VideoMemoryRow& row : settings::kVideoMemory) {
        if (row.option != index) continue;
        WriteKeysAndRefresh({{settings::section::Graphics, settings::key::VideoMemory, std::wstring(row.stored)}});
        return;
    }
}

}  // namespace pelkor::app
