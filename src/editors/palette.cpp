// The palette group: choose a file of the Palettes folder, or go back to the game's own.
#include "app/main_window.h"
#include "settings/catalogue.h"

namespace pelkor::app {
namespace {

std::wstring SelectedName(HWND list) {
    const LRESULT selected = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return {};
    const auto item = static_cast<WPARAM>(selected);
    std::wstring name(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, item, 0)) + 1, L'\0');
    name.resize(static_cast<std::size_t>(
        ::SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(name.data()))));
    return name;
}

}  // namespace

void Form1::File1_Click() { Text1 = SelectedName(Control(Ctl(L"File1"))); }

void Form1::Command1_Click() {
    // The refresh keeps Text1 and the list's selection in step, so a remembered name
    // always has its file selected in the list.
    const std::wstring name = SelectedName(Control(Ctl(L"File1")));
    if (Text1.empty() || name.empty()) {
        ShowMessage(kError04);
        return;
    }
    WriteKeysAndRefresh(
        {{settings::section::Misc, settings::key::PaletteFile, std::wstring(settings::value::PalettePrefix) + name}});
}

void Form1::Command2_Click() {
    WriteKeysAndRefresh(
        {{settings::section::Misc, settings::key::PaletteFile, std::wstring(settings::value::DefaultPalette)}});
}

}  // namespace pelkor::app
