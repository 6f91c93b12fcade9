#pragma once
// A window built from a design table, as both of the program's windows are: it keeps
// one control per row, its DPI and the fonts and brushes made at that DPI, and answers
// the messages such windows answer alike (creation, colours, owner drawing, a new DPI).
#include <windows.h>

#include <vector>

#include "win/dpi.h"
#include "win/form_design.h"
#include "win/gdi_cache.h"
#include "win/window.h"

namespace pelkor::win {

class FormWindow : public Window {
public:
    // Read-only views for tests and tools.
    HWND Control(std::size_t row) const { return controls_[row]; }
    int Dpi() const { return dpi_; }

protected:
    explicit FormWindow(Design design) : controls_(design.size(), nullptr) {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The row of a control of this window; past the last row for any other window.
    std::size_t RowOf(HWND control) const;

    // Creates the controls, once the window exists and its DPI is known.
    virtual void CreateControls() = 0;
    // Places the controls and gives them their fonts at the current DPI.
    virtual void ApplyLayout() = 0;
    // Sets the text and background colours of a control; the brush to paint it with.
    virtual HBRUSH OnControlColour(HDC dc, HWND control) = 0;
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
    // Called on a new DPI before the layout: images made at the old one go.
    virtual void OnDpiChanged() {}

    int dpi_ = kDefaultDpi;
    FontCache fonts_{kDefaultDpi};
    BrushCache brushes_;
    std::vector<HWND> controls_;
};

}  // namespace pelkor::win
