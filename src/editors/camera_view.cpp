// The camera group: the bars set the value labels, and the labels, not the bars,
// decide what "実行" writes.
#include <string>

#include "app/main_window.h"
#include "settings/catalogue.h"

namespace pelkor::app {

void Form1::Sc1_Change() { SetCaption(Ctl(L"llblV", 0), std::to_wstring(ScrollPosition(Ctl(L"Sc1")))); }
void Form1::Sc2_Change() { SetCaption(Ctl(L"llblV", 1), std::to_wstring(ScrollPosition(Ctl(L"Sc2")))); }
void Form1::Sc3_Change() { SetCaption(Ctl(L"llblV", 2), std::to_wstring(ScrollPosition(Ctl(L"Sc3")))); }

void Form1::WriteCameraLabels() {
    namespace key = settings::key;
    const std::wstring_view viewport = settings::section::Viewport;
    WriteKeysAndRefresh({{viewport, key::ViewAngle, Caption(Ctl(L"llblV", 0))},
                         {viewport, key::Rotation, Caption(Ctl(L"llblV", 1))},
                         {viewport, key::Zoom, Caption(Ctl(L"llblV", 2))}});
}

void Form1::Command7_Click() { WriteCameraLabels(); }

void Form1::Command6_Click() {
    // The bars stay where they are.
    SetCaption(Ctl(L"llblV", 0), settings::value::Default);
    SetCaption(Ctl(L"llblV", 1), settings::value::Default);
    SetCaption(Ctl(L"llblV", 2), settings::value::Default);
    WriteCameraLabels();
}

}  // namespace pelkor::app
