#pragma once
// A window's design as data, like a form file: one row a control, walked at
// creation. Positions are in twips from the top-left corner of the container.
#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "win/gdi_cache.h"
#include "win/language.h"

namespace pelkor::win {

enum class Kind { Frame, Label, ValueLabel, Link, Option, Button, Edit, ScrollBar, FileList, Picture };
enum class FontId { Default, Arial9BoldItalic, SmallFonts6, Gothic9Bold, Gothic9Italic };

inline constexpr COLORREF kNoColour = CLR_INVALID;

namespace flag {
inline constexpr unsigned Centred = 1u << 0;
inline constexpr unsigned Border = 1u << 1;    // single-line border
inline constexpr unsigned Selected = 1u << 2;  // the option selected at design time
// A label that names the control in the next row, for a screen reader: it stands just
// before that control in z-order.
inline constexpr unsigned Names = 1u << 3;
inline constexpr unsigned Hidden = 1u << 4;  // made without WS_VISIBLE: a name only
}  // namespace flag

struct ScrollRange {
    int min = 0;
    int max = 0;
    int start = 0;
};

// Rows are written with designated initializers naming only what differs from these.
struct ControlRow {
    Kind kind = Kind::Label;
    std::wstring_view name = {};
    int index = -1;                    // element of a control array, or -1
    std::wstring_view container = {};  // empty: the window's client area
    Text caption = {};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    COLORREF text = kNoColour;
    COLORREF back = kNoColour;  // label background or push-button face
    FontId font = FontId::Default;
    int tab = 0;  // place in the tab order; 0 takes no focus
    unsigned flags = 0;
    Text tooltip = {};
    ScrollRange range = {};
    int image = 0;  // icon resource drawn by a picture box

    bool Has(unsigned f) const { return (flags & f) != 0; }
};

using Design = std::span<const ControlRow>;

// The face, size and style behind each font a design table names, for the rendition's
// script: the Japanese UI face, or the Latin face of the system's dialogs.
FontDesc FontDescOf(FontId id, Language language, bool underline = false);

// Where a frame's caption must end: the left edge, in twips from the frame's, of the
// leftmost control that sits on the frame's top edge; 0 where none does.
int CaptionEnd(Design design, std::size_t frameRow);

// Control IDs come from the table: the row number plus this base.
inline constexpr int kFirstControlId = 100;

// Row of a control; a name or index not in the table does not compile.
consteval std::size_t RowOf(Design design, std::wstring_view name, int index) {
    for (std::size_t i = 0; i < design.size(); ++i) {
        if (design[i].name == name && design[i].index == index) return i;
    }
    throw "no such control in the design";
}

// The control's rectangle in twips from the window's client area.
RECT DesignRect(Design design, std::size_t row);
// The same in pixels at the given DPI; right and bottom edges are scaled on their own
// so that neighbouring controls never drift apart by rounding.
RECT PixelRect(Design design, std::size_t row, int dpi);

// The order of the controls from the top of the z-order down: first those that
// take the focus, in tab order (the dialog manager tabs in z-order), each with the
// label that names it just before it; then the rest, innermost first so that no
// container covers what it holds.
// Windows names an edit box, scroll bar or list box, which have no caption of their own,
// after the static control found by walking back in z-order (GetWindow GW_HWNDPREV),
// a walk that stops at any control with WS_GROUP | WS_TABSTOP; a label may be hidden
// where none shows ("Providing the Name Property" and "Controls Without Caption
// Properties" in Microsoft's Win32 documentation).
std::vector<std::size_t> ZOrder(Design design);

// Creates the child control of a row (hidden layout aside, nothing else is set). A new
// child goes below its siblings, so creating rows in ZOrder gives the tab order.
HWND CreateControl(HWND parent, Design design, std::size_t row, int dpi, Language language, bool startsGroup = false);

}  // namespace pelkor::win
