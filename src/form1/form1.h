#pragma once
// Form1: the program's one main window, its controls, the state its handlers share, and
// the handlers themselves. What a value shows and what a click writes the rules of the
// core decide: a handler reads its controls, asks them, writes and shows the answer.
#include <windows.h>

#include <string>
#include <string_view>

#include "core/editors.h"
#include "core/refresh.h"
#include "core/working_strip.h"
#include "form1/form1_design.h"
#include "platform/host.h"
#include "settings/ini_access.h"
#include "win/form_window.h"
#include "win/handles.h"

namespace pelkor::app {

class Form1 final : public win::FormWindow {
public:
    static constexpr wchar_t kClassName[] = L"PelkorForm1";

    explicit Form1(platform::Host& host);
    ~Form1() override;

    // Creates the window from its design, not yet visible, and runs Form_Load.
    // The window is gone afterwards when the settings could not be shown.
    void Load();
    // Shows the loaded window centred, with the focus on Command1.
    void Show();
    // Keyboard navigation between the controls; true when the message was used.
    bool PreTranslateMessage(MSG& msg);

    // Read-only views for tests and tools.
    const settings::IniState& Ini() const { return ini_; }
    const std::wstring& WorkingText(std::wstring_view array, int index) const;
    // For tools and tests: the refresh an editor runs after its writes.
    void Refresh() { ShowCurrentSettings(); }

private:
    // Start-up and the refresh.
    void Form_Load();
    void ShowCurrentSettings();
    // Puts what a refresh shows on the controls, touching only what changes.
    void Render(const core::Display& display);

    // The help line, for the pointer and the keyboard focus.
    void Form_MouseMove();
    void Frame1_MouseMove();
    void lblLink1_MouseMove();
    // Puts the help text of an area (a frame, the video memory options, "" for the
    // window's surface) into lblMes; false where the area has none.
    bool ShowHelpOf(std::wstring_view area);
    void OnControlMouseMove(std::size_t row);
    void OnControlFocus(std::size_t row);

    // Setting editors.
    void File1_Click();
    void Command1_Click();
    void Command2_Click();
    void Option1_Click(short index);
    void Option2_Click(short index);
    void Option3_Click(short index);
    void Option4_Click(short index);
    void Option5_Click(short index);
    void Command5_Click();
    void Command8_Click();
    void Command6_Click();
    void Command7_Click();
    void Sc1_Change();
    void Sc2_Change();
    void Sc3_Change();

    // Launching and links.
    void Command4_Click();
    void Command9_Click();
    void lblLink1_Click();
    void Command3_Click();

    // What the handlers use.
    platform::Platform& platform() const;
    std::wstring ProgramDirectory() const;
    void SetCaption(std::size_t row, std::wstring_view text);
    // Makes one option of a group the selected one; runs no click action.
    void SelectOption(std::wstring_view group, int index);
    bool IsSelected(std::size_t row) const;
    int ScrollPosition(std::size_t row) const;
    // Moves a bar within its range; its change action runs when the position really changes.
    void SetScrollPosition(std::size_t row, int position);
    // Carries an editor's answer out: its message, or its keys written in order and a
    // refresh; a refused write shows the write failure instead, and keys written before
    // it stay written.
    void Write(const core::Edit& edit);
    // The camera's three value labels.
    core::CameraLabels CameraLabels() const;
    void SetCameraLabels(const core::CameraLabels& labels);
    int ShowMessage(const core::Message& message);
    // The palette name selected in the list, or "".
    std::wstring SelectedPalette() const;
    // Lists the folder's palettes; `written` is the folder's time of last writing.
    void FillFileList(const std::wstring& folder, FILETIME written);
    // Fills the list with the folder's *.pal files, unless it shows them already.
    void ListPalettes(HWND list, const std::wstring& folder);

    // The window.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::optional<LRESULT> HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;
    void CreateControls() override;
    // The window's outer size at a DPI.
    static SIZE OuterSize(int dpi);
    SIZE DesignedOuterSize(int dpi) const override { return OuterSize(dpi); }
    void OnSystemChange(bool colours) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged() override { mascot_.reset(); }
    void OnCommand(std::size_t row, UINT code);
    void OnClick(std::size_t row);
    void OnScroll(HWND bar, UINT code);
    // An arrow key on an option chooses the next one of its group; true when it was one.
    bool ChooseOptionByArrow(HWND from, WPARAM key);

    platform::Host& host_;
    // The caption's and the task switcher's icons: destroyed after the window (~Form1).
    win::UniqueIcon icon_;
    win::UniqueIcon smallIcon_;
    win::UniqueIcon mascot_;

    // Shared state for reading and writing gr.ini.
    settings::IniState ini_;
    // The palette folder as last listed: its path, its time of last writing, and when
    // the listing began.
    std::wstring listedFolder_;
    ULONGLONG listedWritten_ = 0;
    ULONGLONG listedAt_ = 0;

    // The hidden strip: working storage of the refresh and of two editors.
    core::WorkingStrip strip_;
};

}  // namespace pelkor::app
