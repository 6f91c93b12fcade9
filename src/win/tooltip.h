#pragma once
// Help bubbles for the controls of one window: the system's tooltip control, made on
// the pointer's first move over the window, so that the common controls load only
// after the window has shown and someone uses it. It is fed by the window's own control hooks rather than by the
// common controls' subclassing, which would look a property up on every message.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "win/dpi.h"
#include "win/handles.h"
#include "win/system_library.h"

namespace pelkor::win {

class Tooltip {
public:
    // dpi: how the owner's DPI is asked, which the bubble's text takes.
    explicit Tooltip(DpiFunctions& dpi) : dpi_(dpi) {}
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // Shows `text` while the pointer rests on `control`, a child of `owner`.
    void Add(HWND owner, HWND control, std::wstring_view text);
    // Every mouse message of the owner and of its controls passes here, with the
    // window it was sent to.
    void Relay(HWND target, UINT message);
    // The owner's DPI has changed: the bubble's text follows it.
    void SetDpi(int dpi);
    // The text added for `control`; empty when it has none.
    std::wstring_view TextOf(HWND control) const;
    // The bubble while it is on the screen, else null.
    HWND ShownBubble() const;

private:
    struct Tool {
        HWND control;
        std::wstring text;
    };

    bool EnsureControl();

    // Loaded with the first bubble.
    SystemLibrary commonControls_{L"comctl32.dll"};
    DpiFunctions& dpi_;
    HWND owner_ = nullptr;
    std::vector<Tool> tools_;
    // Owned by owner_, so destroyed with it; a Window destroys its window before its members.
    HWND tip_ = nullptr;
    UniqueFont font_;  // the bubble's font at the owner's DPI
    bool failed_ = false;
    // Where the pointer was at the last message relayed, and over which window.
    HWND lastTarget_ = nullptr;
    POINT lastAt_{};
};

}  // namespace pelkor::win
