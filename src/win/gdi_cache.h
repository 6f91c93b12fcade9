#pragma once
// Fonts and brushes made once per kind and DPI, not on every paint.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "win/handles.h"

namespace pelkor::win {

struct FontDesc {
    const wchar_t* face = nullptr;  // nullptr: the window's default user-interface font
    int points = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    BYTE charset = DEFAULT_CHARSET;
    int height = 0;        // character height in pixels; 0: that of the points
    int width = 0;         // average character width in pixels; 0: the face's own
    bool outline = false;  // only an outline (TrueType) face: the nearest that scales

    auto Key() const {
        return std::tuple(std::wstring(face ? face : L""), points, bold, italic, underline, charset, height, width,
                          outline);
    }
};

class FontCache {
public:
    explicit FontCache(int dpi) : dpi_(dpi) {}
    HFONT Get(const FontDesc& entry);
    // Fonts of the old DPI stay alive until the controls have the new ones.
    void SetDpi(int dpi);

private:
    int dpi_;
    std::map<decltype(FontDesc{}.Key()), UniqueFont> fonts_;
    std::map<decltype(FontDesc{}.Key()), UniqueFont> retired_;
};

class BrushCache {
public:
    HBRUSH Get(COLORREF colour);

private:
    std::map<COLORREF, UniqueBrush> brushes_;
};

}  // namespace pelkor::win
