// The main window's handlers, by the names of the controls they serve. Each reads its
// controls, asks the rules, and writes and shows what they answer.
#include "core/help.h"
#include "core/launch.h"
#include "core/web_pages.h"
#include "form1/form1.h"

namespace pelkor::app {

void Form1::Form_Load() { ShowCurrentSettings(); }

// Palette.
void Form1::File1_Click() { strip_.Text1 = SelectedPalette(); }
void Form1::Command1_Click() { Write(core::ChangePalette(strip_.Text1, SelectedPalette())); }
void Form1::Command2_Click() { Write(core::ResetPalette()); }

// The option groups write at once.
void Form1::Option1_Click(short index) { Write(core::ChooseVideoMemory(index)); }
void Form1::Option2_Click(short index) { Write(core::ChooseScreenshotSize(index)); }
void Form1::Option3_Click(short index) { Write(core::ChooseSwitch(core::kTrackPreview, index)); }
void Form1::Option4_Click(short index) { Write(core::ChooseSwitch(core::kTyreAutoSort, index)); }
void Form1::Option5_Click(short index) { Write(core::ChooseSwitch(core::kAlternativeSpeed, index)); }

// Replay limits: the boxes take what the check made of them, written or not.
void Form1::Command5_Click() {
    const core::ReplayEdit edit = core::ApplyReplayLimits(Caption(Ctl(L"txt12", 2)), Caption(Ctl(L"txt12", 3)), strip_);
    SetCaption(Ctl(L"txt12", 2), edit.length);
    SetCaption(Ctl(L"txt12", 3), edit.step);
    Write(edit.edit);
}

void Form1::Command8_Click() {
    const core::ReplayEdit edit = core::ResetReplayLimits();
    SetCaption(Ctl(L"txt12", 2), edit.length);
    SetCaption(Ctl(L"txt12", 3), edit.step);
    Write(edit.edit);
}

// Camera view: the labels follow the bars, and Apply writes the labels.
void Form1::Sc1_Change() { SetCaption(Ctl(L"llblV", 0), core::CameraLabel(ScrollPosition(Ctl(L"Sc1")))); }
void Form1::Sc2_Change() { SetCaption(Ctl(L"llblV", 1), core::CameraLabel(ScrollPosition(Ctl(L"Sc2")))); }
void Form1::Sc3_Change() { SetCaption(Ctl(L"llblV", 2), core::CameraLabel(ScrollPosition(Ctl(L"Sc3")))); }
void Form1::Command7_Click() { Write(core::ApplyCamera(CameraLabels())); }

void Form1::Command6_Click() {
    SetCameraLabels(core::ResetCameraLabels());
    Write(core::ApplyCamera(CameraLabels()));
}

// The launcher: the game in this program's folder, and this program ends once it runs.
void Form1::Command4_Click() {
    core::Started started = core::Started::No;
    try {
        const core::GameStart game = core::GameIn(ProgramDirectory());
        auto result = [](DWORD error) {
            if (error == ERROR_SUCCESS) return core::Started::Yes;
            if (error == platform::kErrorElevationRequired) return core::Started::NeedsAdministrator;
            if (error == ERROR_CANCELLED) return core::Started::Declined;
            return core::Started::No;
        };
        started = result(platform().StartProgram(game.program, game.commandLine, game.folder));
        // A game set to run as an administrator starts as a double-click starts it, with
        // the user's consent.
        if (started == core::Started::NeedsAdministrator) {
            started = result(platform().StartThroughShell(hwnd(), game.program, game.folder));
        }
    } catch (const std::exception&) {
        // Any failure on the way (no memory for the path) is a game that did not start.
    }
    const core::AfterStart after = core::After(started);
    if (after.message) ShowMessage(*after.message);
    if (after.endProgram) host_.EndAfterLaunch();
}

// The about box and the web pages.
void Form1::Command3_Click() { host_.OpenAboutBox(); }
void Form1::Command9_Click() { platform::OpenPage(platform(), hwnd(), core::kHelpPage, TextLanguage()); }
void Form1::lblLink1_Click() { platform::OpenPage(platform(), hwnd(), core::kPalettePage, TextLanguage()); }

// The help line. Leaving an area restores nothing.
bool Form1::ShowHelpOf(std::wstring_view area) {
    const std::optional<core::Text> help = core::HelpOf(area);
    if (help) SetCaption(Ctl(L"lblMes"), Shown(*help));
    return help.has_value();
}

void Form1::Form_MouseMove() { ShowHelpOf(L""); }

void Form1::Frame1_MouseMove() {
    // Only the palette frame's surface puts the link back to its resting look.
    SetLinkLook(false);
    ShowHelpOf(L"Frame1");
}

void Form1::lblLink1_MouseMove() {
    // The help line keeps the palette text set on the way over the frame.
    SetLinkLook(true);
}

void Form1::OnControlMouseMove(std::size_t row) {
    const ControlRow& entry = kForm1Design[row];
    switch (row) {
        case Ctl(L"Frame1"): return Frame1_MouseMove();
        case Ctl(L"lblLink1"): return lblLink1_MouseMove();
        default:
            // The other frames and the video memory options; no other control reacts to the pointer.
            if (entry.kind == Kind::Frame || entry.kind == Kind::Option) ShowHelpOf(entry.name);
            return;
    }
}

void Form1::OnControlFocus(std::size_t row) {
    // The keyboard user's way to the help: the control's own area, else its frame's.
    const ControlRow& entry = kForm1Design[row];
    if (!ShowHelpOf(entry.name) && !entry.container.empty()) ShowHelpOf(entry.container);
}

}  // namespace pelkor::app
