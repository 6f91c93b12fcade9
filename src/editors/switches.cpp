// The three on/off switches. The left option (index 0) is "on" in every frame, but the
// track preview key stores whether the faster preview without objects is on, so its
// digits run the other way.
#include "app/main_window.h"
#include "settings/catalogue.h"

namespace pelkor::app {

void Form1::Option3_Click(short index) {
    WriteKeysAndRefresh({{settings::section::Graphics, settings::key::FasterTrackPreview, index == 0 ? L"0" : L"1"}});
}

void Form1::Option4_Click(short index) {
    WriteKeysAndRefresh({{settings::section::Graphics, settings::key::TyreAutoSort, index == 0 ? L"1" : L"0"}});
}

void Form1::Option5_Click(short index) {
    WriteKeysAndRefresh({{settings::section::Misc, settings::key::AlternativeSpeedSetting, index == 0 ? L"1" : L"0"}});
}

}  // namespace pelkor::app
