#include "win/form_design.h"

#include <algorithm>
#include <string>

#include "win/dpi.h"

namespace pelkor::win {
namespace {

const ControlRow* ContainerOf(Design design, const ControlRow& entry) {
    if (entry.container.empty()) return nullptr;
    for (const ControlRow& other : design) {
        if (other.name == entry.container) return &other;
    }
    return nullptr;
}

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle ClassFor(const ControlRow& entry) {
    const DWORD align = entry.Has(flag::Centred) ? SS_CENTER : SS_LEFT;
    const DWORD border = entry.Has(flag::Border) ? WS_BORDER : 0;
    switch (entry.kind) {
        case Kind::Frame: return {L"BUTTON", BS_GROUPBOX, 0};
        case Kind::Label: return {L"STATIC", align | SS_NOPREFIX, 0};
        case Kind::ValueLabel: return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | border, 0};
        case Kind::Link: return {L"STATIC", align | SS_NOPREFIX | SS_NOTIFY, 0};
        case Kind::Option: return {L"BUTTON", BS_RADIOBUTTON, 0};
        case Kind::Button:
            return {L"BUTTON", static_cast<DWORD>(entry.back == kNoColour ? BS_PUSHBUTTON : BS_OWNERDRAW), 0};
        case Kind::Edit: return {L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
        case Kind::ScrollBar: return {L"SCROLLBAR", SBS_HORZ, 0};
        case Kind::FileList:
            return {L"LISTBOX", LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
        case Kind::Picture: return {L"STATIC", static_cast<DWORD>(entry.image ? SS_OWNERDRAW : SS_LEFT), 0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

FontDesc FontDescOf(FontId id, Language language, bool underline) {
    // The Shift-JIS charset makes the system pick a Japanese font where this face is missing.
    // English takes the logical face of the system's dialogs, which every Windows maps to
    // a face it has (Tahoma, or the locale's own UI face).
    const bool japanese = language == Language::Japanese;
    const wchar_t* const uiFace = japanese ? L"ＭＳ Ｐゴシック" : L"MS Shell Dlg 2";
    const BYTE uiCharset = japanese ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    switch (id) {
        case FontId::Arial9BoldItalic: return {L"Arial", 9, true, true, underline, ANSI_CHARSET};
        case FontId::SmallFonts6: return {L"Small Fonts", 6, false, false, underline, DEFAULT_CHARSET};
        case FontId::Gothic9Bold: return {uiFace, 9, true, false, underline, uiCharset};
        case FontId::Gothic9Italic: return {uiFace, 9, false, true, underline, uiCharset};
        case FontId::Default: break;
    }
    return {uiFace, 9, false, false, underline, uiCharset};
}

int CaptionEnd(Design design, std::size_t frameRow) {
    int end = 0;
    for (const ControlRow& entry : design) {
        if (entry.container != design[frameRow].name || entry.top > 0) continue;
        if (end == 0 || entry.left < end) end = entry.left;
    }
    return end;
}

RECT DesignRect(Design design, std::size_t row) {
    const ControlRow& entry = design[row];
    int left = entry.left;
    int top = entry.top;
    for (const ControlRow* c = ContainerOf(design, entry); c; c = ContainerOf(design, *c)) {
        left += c->left;
        top += c->top;
    }
    return {left, top, left + entry.width, top + entry.height};
}

RECT PixelRect(Design design, std::size_t row, int dpi) {
    const RECT t = DesignRect(design, row);
    return {TwipsToPixels(t.left, dpi), TwipsToPixels(t.top, dpi), TwipsToPixels(t.right, dpi),
            TwipsToPixels(t.bottom, dpi)};
}

std::vector<std::size_t> ZOrder(Design design) {
    auto depth = [&](std::size_t row) {
        int d = 0;
        for (const ControlRow* c = ContainerOf(design, design[row]); c; c = ContainerOf(design, *c)) ++d;
        return d;
    };
    auto names = [&](std::size_t row) { return design[row].Has(flag::Names) && row + 1 < design.size(); };
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < design.size(); ++i) {
        if (!names(i)) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int tabA = design[a].tab, tabB = design[b].tab;
        if ((tabA != 0) != (tabB != 0)) return tabA != 0;
        if (tabA != 0) return tabA < tabB;
        return depth(a) > depth(b);
    });
    for (std::size_t i = 0; i < design.size(); ++i) {
        if (names(i)) order.insert(std::find(order.begin(), order.end(), i + 1), i);
    }
    return order;
}

HWND CreateControl(HWND parent, Design design, std::size_t row, int dpi, Language language, bool startsGroup) {
    const ControlRow& entry = design[row];
    const ClassAndStyle cs = ClassFor(entry);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cs.style | (entry.Has(flag::Hidden) ? 0 : WS_VISIBLE);
    // Tab enters an option group at its selected button only.
    const bool unselectedOption = entry.kind == Kind::Option && !entry.Has(flag::Selected);
    if (entry.tab && !unselectedOption) style |= WS_TABSTOP;
    if (startsGroup) style |= WS_GROUP;
    const RECT r = PixelRect(design, row, dpi);
    const std::wstring caption(entry.caption.In(language));
    return ::CreateWindowExW(cs.exStyle, cs.className, caption.c_str(), style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + row)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace pelkor::win
