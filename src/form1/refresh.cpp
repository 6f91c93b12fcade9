// The refresh: the rules read gr.ini and say what the window shows, which Render puts
// on the controls.
#include "form1/form1.h"

namespace pelkor::app {

void Form1::ShowCurrentSettings() {
    try {
        settings::ProfileFile file(ini_, ProgramDirectory());
        file.PrepareReading();
        const std::array<int, 3> bars{ScrollPosition(Ctl(L"Sc1")), ScrollPosition(Ctl(L"Sc2")),
                                      ScrollPosition(Ctl(L"Sc3"))};
        core::Display display = core::Refresh(file, strip_, bars, TextLanguage());
        // Held by another program for a moment (just after a write, a scanner or a sync
        // client may have it), the file reads empty: it is waited for and read once more.
        // Only then, so that the refresh of a free file costs its reads and no more.
        if (display.failed && file.WaitedWhileHeld()) display = core::Refresh(file, strip_, bars, TextLanguage());
        Render(display);
        if (display.listPalettes) FillFileList(file.PaletteFolder(), file.PaletteFolderWritten());
        if (!display.failed) return;
    } catch (const std::exception&) {
        // A run-time failure on the way (no memory) is settings that cannot be shown.
    }
    ShowMessage(core::kError01);
    host_.EndAfterFailure();
}

void Form1::Render(const core::Display& display) {
    auto caption = [&](std::size_t row, const std::optional<std::wstring>& text) {
        if (text) SetCaption(row, *text);
    };
    auto option = [&](std::wstring_view group, const std::optional<int>& index) {
        if (index) SelectOption(group, *index);
    };
    caption(Ctl(L"lblNow"), display.paletteNow);
    caption(Ctl(L"lblNow2"), display.replayNow);
    caption(Ctl(L"txt12", 2), display.lengthBox);
    caption(Ctl(L"txt12", 3), display.stepBox);
    caption(Ctl(L"lblNow3"), display.screenshotNow);
    option(L"Option2", display.screenshotOption);
    const std::size_t bars[] = {Ctl(L"Sc1"), Ctl(L"Sc2"), Ctl(L"Sc3")};
    const std::size_t labels[] = {Ctl(L"llblV", 0), Ctl(L"llblV", 1), Ctl(L"llblV", 2)};
    for (std::size_t i = 0; i < 3; ++i) {
        caption(labels[i], display.cameraLabels[i]);
        if (display.cameraBars[i]) ::SetScrollPos(controls_[bars[i]], SB_CTL, *display.cameraBars[i], TRUE);
    }
    caption(Ctl(L"lblNow4"), display.cameraNow);
    caption(Ctl(L"lblNow5"), display.trackPreviewNow);
    option(L"Option3", display.trackPreviewOption);
    caption(Ctl(L"lblNow6"), display.tyresNow);
    option(L"Option4", display.tyresOption);
    caption(Ctl(L"lblNow7"), display.videoMemoryNow);
    option(L"Option1", display.videoMemoryOption);
    caption(Ctl(L"lblNow8"), display.smootherNow);
    option(L"Option5", display.smootherOption);
    caption(Ctl(L"lblNow9"), display.formatNow);
}

}  // namespace pelkor::app
