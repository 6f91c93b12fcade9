#include "win/text_fit.h"

#include <algorithm>

#include "win/dpi.h"

namespace pelkor::win {
namespace {

// Pixels at this DPI for a length the system's controls use at 96 dots per inch.
int Scaled(int pixelsAt96, int dpi) { return ::MulDiv(pixelsAt96, dpi, kDefaultDpi); }

int LineHeight(HDC dc) {
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    return std::max<int>(1, tm.tmHeight);
}

}  // namespace

bool HasCaption(Kind kind) {
    switch (kind) {
        case Kind::Frame:
        case Kind::Label:
        case Kind::ValueLabel:
        case Kind::Link:
        case Kind::Option:
        case Kind::Button: return true;
        default: return false;  // text boxes, bars, the file list and pictures show values or nothing
    }
}

TextRoom RoomFor(Kind kind, SIZE client, int dpi, HDC dc, int captionEnd) {
    switch (kind) {
        case Kind::Frame: {
            // A group box writes its caption 8 pixels in and clears one pixel beyond it.
            const int end = captionEnd > 0 ? captionEnd : client.cx - 8;
            return {end - 8 - 1, 1, false};
        }
        case Kind::Option: {
            // The circle (13 pixels at 96 DPI), a gap of half a digit's width, and a
            // pixel each side for the focus mark.
            INT zero = 0;
            ::GetCharWidth32W(dc, L'0', L'0', &zero);
            return {client.cx - Scaled(13, dpi) - zero / 2 - 2, 1, false};
        }
        case Kind::Button:
            // The raised edge and the focus mark inside it.
            return {client.cx - 2 * Scaled(3, dpi), 1, false};
        case Kind::ValueLabel: return {client.cx, 1, false};
        case Kind::Label:
        case Kind::Link: return {client.cx, std::max<int>(1, client.cy / LineHeight(dc)), true};
        default: return {client.cx, 1, false};
    }
}

std::wstring_view ShownCaption(Kind kind, std::wstring_view text) {
    if (kind != Kind::Frame) return text;
    const std::size_t end = text.find_last_not_of(L" \u3000");
    return end == std::wstring_view::npos ? std::wstring_view{} : text.substr(0, end + 1);
}

bool Fits(HDC dc, std::wstring_view text, const TextRoom& room) {
    if (text.empty()) return true;
    // Measured as the controls draw: a static breaks its text at word ends, the others
    // keep it on one line.
    RECT r{0, 0, std::max(1, room.width), 0};
    const UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (room.wraps ? DT_WORDBREAK : DT_SINGLELINE);
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, flags);
    if (r.right > room.width) return false;
    if (!room.wraps) return true;
    const int lineHeight = LineHeight(dc);
    return (r.bottom + lineHeight - 1) / lineHeight <= room.lines;
}

int FittingWidth(HDC dc, FontCache& fonts, FontDesc desc, std::wstring_view text, const TextRoom& room) {
    desc.width = 0;
    HGDIOBJ old = ::SelectObject(dc, fonts.Get(desc));
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    const bool fits = Fits(dc, text, room);
    ::SelectObject(dc, old);
    if (fits) return 0;

    // Every step narrower by one pixel of average width, until the text fits.
    const int own = std::max<int>(1, tm.tmAveCharWidth);
    const int narrowest = std::max(1, (own + 1) / 2);
    for (int width = own - 1; width > narrowest; --width) {
        desc.width = width;
        old = ::SelectObject(dc, fonts.Get(desc));
        const bool trialFits = Fits(dc, text, room);
        ::SelectObject(dc, old);
        if (trialFits) return width;
    }
    return narrowest;
}

}  // namespace pelkor::win
