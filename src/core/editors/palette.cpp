// The palette group: a file of the palette folder, or back to the game's own.
#include "core/editors.h"

namespace pelkor::core {

Edit ChangePalette(std::wstring_view remembered, std::wstring_view selected) {
    // The refresh keeps the remembered name and the list's selection in step, so a
    // remembered name always has its file selected in the list.
    if (remembered.empty() || selected.empty()) return Edit::Showing(kError04);
    return Edit::Writing(
        {{section::Misc, key::PaletteFile, std::wstring(value::PalettePrefix) + std::wstring(selected)}});
}

Edit ResetPalette() { return Edit::Writing({{section::Misc, key::PaletteFile, std::wstring(value::DefaultPalette)}}); }

}  // namespace pelkor::core
