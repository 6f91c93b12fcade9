#include "win/gdi_cache.h"

#include "win/dpi.h"

namespace pelkor::win {

HFONT FontCache::Get(const FontSpec& spec) {
    auto key = spec.Key();
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();

    LOGFONTW lf{};
    lf.lfHeight = -PointsToPixels(spec.points, dpi_);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec.italic;
    lf.lfUnderline = spec.underline;
    lf.lfCharSet = spec.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    if (spec.face) wcsncpy_s(lf.lfFaceName, spec.face, _TRUNCATE);
    HFONT font = ::CreateFontIndirectW(&lf);
    return fonts_.emplace(std::move(key), UniqueFont(font)).first->second.get();
}

void FontCache::SetDpi(int dpi) {
    retired_ = std::move(fonts_);
    fonts_.clear();
    dpi_ = dpi;
}

HBRUSH BrushCache::Get(COLORREF colour) {
    auto found = brushes_.find(colour);
    if (found != brushes_.end()) return found->second.get();
    return brushes_.emplace(colour, UniqueBrush(::CreateSolidBrush(colour))).first->second.get();
}

}  // namespace pelkor::win
