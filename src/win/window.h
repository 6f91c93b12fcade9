#pragma once
// A small base for the program's top-level windows: the object owns its HWND,
// the window procedure is bound to `this` at WM_NCCREATE, and nothing throws
// through USER32.
#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "win/tooltip.h"

namespace pelkor::win {

class Window {
public:
    // dpi: how the system tells the window's DPI.
    explicit Window(DpiFunctions& dpi) : dpi_(dpi), tooltips_(dpi) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    bool IsAlive() const { return hwnd_ != nullptr; }
    // Destroys the window now; the object stays, without a window.
    void Destroy();
    // The help bubbles of the window's controls.
    const Tooltip& tooltips() const { return tooltips_; }

protected:
    DpiFunctions& dpiFunctions() const { return dpi_; }
    // A class outlives every window of it, so it has no icons: a window that shows one
    // sets its own (WM_SETICON) and frees it once the window is gone.
    static void RegisterWindowClass(const wchar_t* className);
    // Creates the window hidden, where the system puts it or at `place`; returns false
    // when the system refused it.
    bool CreateHidden(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                      const RECT* place = nullptr);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Messages of a subclassed child control; nullopt passes them on to the control.
    virtual std::optional<LRESULT> HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    // Routes the messages of a child control through HandleControlMessage.
    void Subclass(HWND control);
    // The subclassed control's own procedure, for a handler that adds to what the control does.
    LRESULT CallControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;
    // Shows `text` while the pointer rests on `control`, which must be subclassed.
    void AddTooltip(HWND control, std::wstring_view text) { tooltips_.Add(hwnd_, control, text); }
    // Called once the window is gone (WM_NCDESTROY), with hwnd() already null.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The window whose subclassed control this is: its parent's.
    static Window* OwnerOf(HWND control);
    // The procedure the control had before it was subclassed.
    WNDPROC OriginalProc(HWND control) const;

    struct Hooked {
        HWND control;
        WNDPROC original;
    };
    HWND hwnd_ = nullptr;
    DpiFunctions& dpi_;
    std::vector<Hooked> hooked_;
    Tooltip tooltips_;
};

}  // namespace pelkor::win
