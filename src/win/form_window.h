#pragma once
// A window built from a design table, as both of the program's windows are: it keeps
// one control per row, its DPI and the fonts and brushes made at that DPI, and answers
// the messages such windows answer alike (creation, colours, owner drawing, a new DPI,
// the focus kept across activations, the link's focus mark, keys and accessible object).
#include <windows.h>

#include <string>
#include <vector>

#include "win/colours.h"
#include "win/dpi.h"
#include "win/form_design.h"
#include "win/gdi_cache.h"
#include "win/handles.h"
#include "win/link_object.h"
#include "win/text_fit.h"
#include "win/window.h"

namespace pelkor::win {

// The colour of a link under the pointer, in both windows.
inline constexpr COLORREF kLitLink = RGB(0, 0, 255);

class FormWindow : public Window {
public:
    // Read-only views for tests and tools.
    HWND Control(std::size_t row) const { return controls_[row]; }
    int Dpi() const { return dpi_; }
    // The rendition of the design's texts that the window shows.
    Language TextLanguage() const { return language_; }
    // A text in that rendition.
    std::wstring_view Shown(const Text& text) const { return text.In(language_); }
    bool LinkHighlighted() const { return linkHighlighted_; }

protected:
    // linkRow: the window's one link label, which lights up under the pointer and opens on
    // a click, Enter or Space. colours: the program's scheme, shared with its other window.
    FormWindow(Design design, std::size_t linkRow, Language language, const ColourScheme& colours, DpiFunctions& dpi)
        : Window(dpi), design_(design), language_(language), colours_(colours), controls_(design.size(), nullptr),
          narrowed_(design.size()), linkRow_(linkRow) {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the focus mark on the link, which as a label draws none of its own.
    std::optional<LRESULT> HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The row of a control of this window; past the last row for any other window.
    std::size_t RowOf(HWND control) const;

    // Creates the controls, once the window exists and its DPI is known.
    virtual void CreateControls() = 0;
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
    // The system's settings or colours have changed (WM_SETTINGCHANGE, WM_SYSCOLORCHANGE).
    virtual void OnSystemChange(bool colours) { (void)colours; }
    // The colours of a row's control now.
    Colours ColoursOf(std::size_t row) const {
        return colours_.Of(design_[row], IsLitLink(row) ? kLitLink : kNoColour);
    }
    // Called on a new DPI before the layout: images made at the old one go.
    virtual void OnDpiChanged() {}
    // The window's outer size as designed at a DPI: what the system asks for before it
    // moves the window to a monitor of another scale.
    virtual SIZE DesignedOuterSize(int dpi) const = 0;

    // Where the frame drawn is not the one the system gives for the window's DPI (Wine,
    // when its DPI setting changed while it ran), the window's height follows the frame,
    // so that the client area keeps the height it was given.
    void KeepClientHeight();
    // Creates the row's control as designed, with its font, its hook and its help bubble.
    HWND AddControl(std::size_t row, bool startsGroup = false);
    // Places the controls as designed at the current DPI, with their fonts.
    void ApplyLayout();
    // The font of a row's control at the current DPI, link look and fitting width.
    HFONT FontOf(std::size_t row);
    // The text a row's control shows now.
    std::wstring Caption(std::size_t row) const;
    // Gives the row's control its font: its own, or the narrower rendition that its
    // caption needs to show whole.
    void GiveFont(std::size_t row, bool redraw);
    // GiveFont after the caption has changed: a control whose font stays is left alone.
    void FitText(std::size_t row);
    // Where the focus goes while no control of the window has had it: the first in tab order.
    virtual HWND FirstFocus() const { return ::GetNextDlgTabItem(hwnd(), nullptr, FALSE); }

    // Enter (the dialog manager's IDOK) while the link has the focus opens it as a click does;
    // true when it did. For a window's WM_COMMAND, before its own use of IDOK.
    bool EnterOpensLink(WPARAM wParam, LPARAM lParam);
    // Lights the link up or puts it back to rest, redrawing it only on a change.
    void SetLinkLook(bool highlighted);
    // Whether the row is the link and lit up.
    bool IsLitLink(std::size_t row) const { return row == linkRow_ && linkHighlighted_; }

    Design design_;
    const Language language_;
    const ColourScheme& colours_;
    int dpi_ = kDefaultDpi;
    FontCache fonts_{kDefaultDpi};
    BrushCache brushes_;
    std::vector<HWND> controls_;

private:
    // Remembers the focused control when another window is activated.
    void SaveFocus();
    // The remembered control while it can still take the focus, else FirstFocus().
    HWND FocusToRestore() const;
    void RestoreFocus(HWND control);

    Fitting FittingOf(std::size_t row);
    // Sets the text and background colours of a control; the brush to paint it with.
    HBRUSH OnControlColour(HDC dc, HWND control);
    // Opens the link as a click does.
    void ActivateLink();

    UniqueDC measuring_;             // where captions are measured, made on first use
    InkCanvas ink_;                  // where what they paint below the baseline is seen
    std::vector<Fitting> narrowed_;  // per row: the rendition its caption needs
    std::size_t linkRow_;
    bool linkHighlighted_ = false;
    LinkObject linkObject_;
    HWND savedFocus_ = nullptr;
};

}  // namespace pelkor::win
