#include "win/gdi_cache.h"

#include "win/dpi.h"

namespace pelkor::win {

HFONT FontCache::Get(const FontDesc& entry) {
    auto key = entry.Key();
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();

    LOGFONTW lf{};
    lf.lfHeight = -(entry.height ? entry.height : PointsToPixels(entry.points, dpi_));
    lf.lfWidth = entry.width;
    lf.lfWeight = entry.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = entry.italic;
    lf.lfUnderline = entry.underline;
    lf.lfCharSet = entry.charset;
    lf.lfOutPrecision = entry.outline ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    if (entry.face) wcsncpy_s(lf.lfFaceName, entry.face, _TRUNCATE);
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
