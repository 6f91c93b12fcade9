#pragma once
// The real main window on a scratch game folder, driven through window messages.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/application.h"
#include "form1/form1.h"
#include "form1/form1_design.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

namespace pelkor::test {

using app::Ctl;

class FormTest : public ::testing::Test {
protected:
    FormTest() : platform_(game_.path()) {}
    // The game folder under `parent` instead of the temporary directory.
    explicit FormTest(const std::wstring& parent) : game_(true, L"", parent), platform_(game_.path()) {}
    ~FormTest() override { app_.reset(); }

    // Starts the program on the folder as it is now; false when it ended at start-up.
    bool Start();
    // Start() that must succeed with no message box.
    void StartShown();

    app::Form1& form() { return *app_->MainWindow(); }
    // A control's row found at run time (for indexes chosen by the test as it runs).
    static std::size_t Row(std::wstring_view name, int index = -1);
    HWND Control(std::size_t row) { return form().Control(row); }
    std::wstring Text(std::size_t row);
    bool Checked(std::size_t row);
    // The index of the selected option of a group, or -1.
    int SelectedOption(std::wstring_view group);
    int Position(std::size_t row);
    void Click(std::size_t row);
    void Type(std::size_t row, const std::wstring& text);
    // Selects a file of the palette list as the user would, by its name.
    void ChooseFile(const std::wstring& name);
    std::wstring Working(std::wstring_view array, int index) { return form().WorkingText(array, index); }
    void Pump();

    GameFolder game_;
    RecordingPlatform platform_;
    win::Language language_ = win::Language::Japanese;  // the rendition Start() shows
    std::unique_ptr<app::Application> app_;
};

}  // namespace pelkor::test
