#include "win/text_fit.h"

#include <algorithm>
#include <limits>

#include "win/dpi.h"
#include "win/handles.h"

namespace pelkor::win {
namespace {

// Pixels at this DPI for a length the system's controls use at 96 dots per inch.
int Scaled(int pixelsAt96, int dpi) { return ::MulDiv(pixelsAt96, dpi, kDefaultDpi); }

// What `measure` gives with the font of `desc` selected into dc; dc keeps its own font after.
template <typename Measure>
auto WithFont(HDC dc, FontCache& fonts, const FontDesc& desc, Measure measure) {
    HGDIOBJ old = ::SelectObject(dc, fonts.Get(desc));
    const auto result = measure();
    ::SelectObject(dc, old);
    return result;
}

TEXTMETRICW MetricsOf(HDC dc, FontCache& fonts, const FontDesc& desc) {
    return WithFont(dc, fonts, desc, [&] {
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc, &tm);
        return tm;
    });
}

}  // namespace

int InkCanvas::InkBottom(HDC dc, std::wstring_view text, int width, int height, UINT flags) {
    // Made and grown as needed: a bitmap and a DC each time cost Wine more than the drawing.
    if (!dc_) dc_.reset(::CreateCompatibleDC(dc));
    if (!dc_) return height;  // unknown: as if cut
    if (width > width_ || height > height_) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = std::max(width, width_);
        info.bmiHeader.biHeight = -std::max(height, height_);  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        Unique<HBITMAP, GdiTraits<HBITMAP>> bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap || !bits) return height;
        ::SelectObject(dc_.get(), bitmap.get());
        bitmap_ = std::move(bitmap);
        pixels_ = static_cast<const DWORD*>(bits);
        width_ = info.bmiHeader.biWidth;
        height_ = -info.bmiHeader.biHeight;
    }
    HDC paper = dc_.get();
    HGDIOBJ oldFont = ::SelectObject(paper, ::GetCurrentObject(dc, OBJ_FONT));
    ::PatBlt(paper, 0, 0, width, height, WHITENESS);
    ::SetTextColor(paper, RGB(0, 0, 0));
    ::SetBkMode(paper, TRANSPARENT);
    // DrawText clips to the rectangle: the canvas beyond it stays out of the measurement.
    RECT r{0, 0, width, height};
    ::DrawTextW(paper, text.data(), static_cast<int>(text.size()), &r, flags);
    ::GdiFlush();
    int bottom = 0;
    for (int y = height - 1; y >= 0 && bottom == 0; --y) {
        const DWORD* row = pixels_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        for (int x = 0; x < width; ++x) {
            if ((row[x] & 0xFFFFFF) != 0xFFFFFF) {
                bottom = y + 1;
                break;
            }
        }
    }
    ::SelectObject(paper, oldFont);
    return bottom;
}

bool HasCaption(Kind kind) {
    switch (kind) {
        case Kind::Frame:
        case Kind::Label:
        case Kind::ValueLabel:
        case Kind::Link:
        case Kind::Option:
        case Kind::Button:
        case Kind::Edit: return true;
        default: return false;  // bars, the file list and pictures show no text of their own
    }
}

TextRoom RoomFor(Kind kind, SIZE client, int dpi, HDC dc, int captionEnd) {
    switch (kind) {
        case Kind::Frame: {
            // A group box writes its caption 8 pixels in and clears one pixel beyond it.
            const int end = captionEnd > 0 ? captionEnd : client.cx - 8;
            return {end - 8 - 1, 0, false};
        }
        case Kind::Option: {
            // The circle (13 pixels at 96 DPI), a gap of half a digit's width, and a
            // pixel each side for the focus mark.
            INT zero = 0;
            ::GetCharWidth32W(dc, L'0', L'0', &zero);
            return {client.cx - Scaled(13, dpi) - zero / 2 - 2, 0, false};
        }
        case Kind::Button:
            // The raised edge and the focus mark inside it.
            return {client.cx - 2 * Scaled(3, dpi), 0, false};
        case Kind::ValueLabel: return {client.cx, client.cy, false};
        case Kind::Label:
        case Kind::Link: return {client.cx, client.cy, true};
        case Kind::Edit:
            // A text box scrolls what it holds: only its height is short of room.
            return {std::numeric_limits<int>::max() / 2, client.cy, false};
        default: return {client.cx, 0, false};
    }
}

std::wstring_view ShownCaption(Kind kind, std::wstring_view text) {
    if (kind != Kind::Frame) return text;
    const std::size_t end = text.find_last_not_of(L" \u3000");
    return end == std::wstring_view::npos ? std::wstring_view{} : text.substr(0, end + 1);
}

bool Fits(HDC dc, std::wstring_view text, const TextRoom& room, InkCanvas& ink) {
    if (text.empty()) return true;
    // Measured as the controls draw: a static breaks its text at word ends, the others
    // keep it on one line.
    RECT r{0, 0, std::max(1, room.width), 0};
    const UINT flags = DT_NOPREFIX | DT_EXPANDTABS | (room.wraps ? DT_WORDBREAK : DT_SINGLELINE);
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    if (r.right > room.width) return false;
    if (room.height <= 0) return true;
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    const int lineHeight = std::max<int>(1, tm.tmHeight);
    const int lines = std::max(1, (static_cast<int>(r.bottom) + lineHeight - 1) / lineHeight);
    const int lastLine = (lines - 1) * lineHeight;
    if (lastLine + tm.tmAscent > room.height) return false;
    if (lastLine + tm.tmHeight <= room.height) return true;
    // The letters stand inside, the font's descent does not: what hangs below decides.
    return ink.InkBottom(dc, text, std::max(1, static_cast<int>(r.right)), lastLine + 2 * lineHeight, flags) <=
           room.height;
}

Fitting FittingFont(HDC dc, FontCache& fonts, InkCanvas& ink, FontDesc desc, std::wstring_view text,
                    const TextRoom& room) {
    auto FitsWith = [&](const FontDesc& with, const TextRoom& in) {
        return WithFont(dc, fonts, with, [&] { return Fits(dc, text, in, ink); });
    };
    desc.height = 0;
    desc.width = 0;
    desc.outline = false;
    if (FitsWith(desc, room)) return {};
    // A bitmap face neither lowers nor narrows: its nearest outline face does.
    if (!(MetricsOf(dc, fonts, desc).tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE))) {
        desc.outline = true;
        if (FitsWith(desc, room)) return {0, 0, true};
    }

    // Lower by a pixel at a time until one line's letters stand in the room.
    const TEXTMETRICW own = MetricsOf(dc, fonts, desc);
    if (room.height > 0 && own.tmAscent > room.height) {
        const int ownHeight = static_cast<int>(own.tmHeight - own.tmInternalLeading);
        const int lowest = std::max(1, (ownHeight + 1) / 2);
        for (desc.height = ownHeight - 1; desc.height > lowest; --desc.height) {
            if (MetricsOf(dc, fonts, desc).tmAscent <= room.height) break;
        }
        if (FitsWith(desc, room)) return {desc.height, 0, desc.outline};
    }

    // Then narrower by a pixel of average width at a time, until the text fits.
    const int ownWidth = std::max<int>(1, MetricsOf(dc, fonts, desc).tmAveCharWidth);
    const int narrowest = std::max(1, (ownWidth + 1) / 2);
    for (desc.width = ownWidth - 1; desc.width > narrowest; --desc.width) {
        if (FitsWith(desc, room)) return {desc.height, desc.width, desc.outline};
    }

    // Where the narrowest fits the width but still not the height, what does not fit hangs
    // below the room: lower letters then, at their own width.
    TextRoom anyHeight = room;
    anyHeight.height = 0;
    desc.width = narrowest;
    if (room.height > 0 && !FitsWith(desc, room) && FitsWith(desc, anyHeight)) {
        FontDesc lower = desc;
        lower.width = 0;
        const int ownHeight = static_cast<int>(own.tmHeight - own.tmInternalLeading);
        const int lowest = std::max(1, (ownHeight + 1) / 2);
        for (lower.height = (desc.height ? desc.height : ownHeight) - 1; lower.height > lowest; --lower.height) {
            if (FitsWith(lower, room)) return {lower.height, 0, desc.outline};
        }
    }
    return {desc.height, narrowest, desc.outline};
}

}  // namespace pelkor::win
