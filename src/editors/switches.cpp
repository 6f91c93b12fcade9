// The three on/off switches: the left option (index 0) is "on" in every frame; the
// catalogue says which digit that stores.
#include "app/main_window.h"
#include "settings/catalogue.h"

namespace pelkor::app {

void Form1::WriteSwitch(const settings::OnOffSwitch& setting, short index) {
    WriteKeysAndRefresh({{setting.section, setting.key, std::wstring(setting.Stored(index == 0))}});
}

void Form1::Option3_Click(short index) { WriteSwitch(settings::kTrackPreview, index); }

void Form1::Option4_Click(short index) { WriteSwitch(settings::kTyreAutoSort, index); }

void Form1::Option5_Click(short index) { WriteSwitch(settings::kAlternativeSpeed, index); }

}  // namespace pelkor::app
