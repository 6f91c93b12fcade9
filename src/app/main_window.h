#pragma once
// Form1: the program's one main window, its controls, the state its handlers share,
// and the handlers themselves. The handlers are defined beside the part of the
// program they belong to (src/app, src/editors, src/launch).
#include <windows.h>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/form1_design.h"
#include "app/messages.h"
#include "settings/catalogue.h"
#include "settings/ini_access.h"
#include "win/gdi_cache.h"
#include "win/handles.h"
#include "win/form_window.h"

namespace pelkor::app {

class Application;
class Platform;

class Form1 final : public win::FormWindow {
public:
    static constexpr wchar_t kClassName[] = L"PelkorForm1";

    explicit Form1(Application& app);
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
    Platform& platform() const;
    std::wstring ProgramDirectory() const;
    void SetCaption(std::size_t row, std::wstring_view text);
    // Makes one option of a group the selected one; runs no click action.
    void SelectOption(std::wstring_view group, int index);
    bool IsSelected(std::size_t row) const;
    int ScrollPosition(std::size_t row) const;
    // Moves a bar; its change action runs when the position really changes.
    // Throws RuntimeFailure for a position outside the bar's range.
    void SetScrollPosition(std::size_t row, int position);
    // WriteSetting with this program's directory.
    void WriteSetting(std::wstring_view section, std::wstring_view key);
    // Writes the keys in order and refreshes; a failed write shows the write-failure
    // report instead, and keys written before it stay written.
    struct KeyWrite {
        std::wstring_view section;
        std::wstring_view key;
        std::wstring value;
    };
    void WriteKeysAndRefresh(std::initializer_list<KeyWrite> writes);
    // Writes what a switch stores for its option `index` (0 is "on") and refreshes.
    void WriteSwitch(const settings::OnOffSwitch& setting, short index);
    // Writes the three camera value labels (Command7, and Command6 after its reset).
    void WriteCameraLabels();
    void ShowWriteFailure();
    int ShowMessage(const Message& message);
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

    Application& app_;
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
    std::wstring Text1;
    std::array<std::wstring, 4> txt1{L"txt1(0)パレット", L"txt1(1)", L"txt1(2)", L"txt1(3)"};
    std::array<std::wstring, 4> txt2{L"txt2(0)リプレイ", L"txt2(1)", L"txt2(2)", L"txt2(3)"};
    std::array<std::wstring, 4> txt3{L"txt3(0)スクショ", L"txt3(1)", L"txt3(2)", L"txt3(3)"};
    std::array<std::wstring, 5> txt4{L"txt4(0)視点", L"txt4(1)", L"txt4(2)", L"txt4(3)", L"txt4(4)"};
    std::array<std::wstring, 3> txt5{L"txt5(0)トラック", L"txt5(1)", L"txt5(2)"};
    std::array<std::wstring, 3> txt6{L"txt6(0)タイヤ", L"txt6(1)", L"txt6(2)"};
    std::array<std::wstring, 3> txt7{L"txt7(0)VRAM", L"txt7(1)", L"txt7(2)"};
    std::array<std::wstring, 3> txt8{L"txt8(0)Smoother", L"txt8(1)", L"txt8(2)"};
    std::array<std::wstring, 3> txt9{L"txt9(0)FILETIPE", L"txt9(1)", L"txt9(2)"};
};

}  // namespace pelkor::app
