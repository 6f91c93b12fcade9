#pragma once
// Help bubbles for the controls of one window: when the pointer rests on a control,
// its text appears below the pointer in the system's tooltip colours, and goes when
// the pointer leaves, a button is pressed or some seconds have passed. The program
// draws them itself, so that no common-controls library loads before its window shows.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "win/handles.h"

namespace pelkor::win {

class Tooltip {
public:
    Tooltip() = default;
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;
    ~Tooltip();

    // Shows `text` while the pointer rests on `control`, a child of `owner`.
    void Add(HWND owner, HWND control, std::wstring_view text);
    // Every mouse message of the owner and of its controls passes here, with the
    // window it was sent to.
    void Relay(HWND target, UINT message);
    // The text added for `control`; empty when it has none.
    std::wstring_view TextOf(HWND control) const;
    // The bubble while it is on the screen, else null.
    HWND ShownBubble() const;

private:
    enum class State { Idle, Waiting, Shown, Spent };
    struct Tool {
        HWND control;
        std::wstring text;
    };

    static LRESULT CALLBACK BubbleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    const Tool* ToolOf(HWND control) const;
    bool EnsureBubble();
    void Wait(HWND control);
    void Show();
    void Hide(State next);
    void OnTimer(UINT_PTR id);
    void Paint();
    bool PointerOnCurrent() const;

    HWND owner_ = nullptr;
    std::vector<Tool> tools_;
    HWND bubble_ = nullptr;  // owned by owner_, so destroyed with it at the latest
    UniqueFont font_;
    HWND current_ = nullptr;
    State state_ = State::Idle;
    ULONGLONG shownAt_ = 0;
};

}  // namespace pelkor::win
