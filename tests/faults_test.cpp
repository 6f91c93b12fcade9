// What the program does when the game folder itself is odd: held files, folders in the
// place of files, thousands of palettes, unusual paths and the root of a drive.
#include <cstdlib>

#include "support/form_fixture.h"
#include "support/ini_checks.h"
#include "win/handles.h"
#include "win/text.h"

namespace pelkor::test {
namespace {

class Faults : public FormTest {};

TEST_F(Faults, IniHeldOpenByAnotherProgramIsReportedAndLeftWhole) {
    game_.WriteIni(TypicalIni());
    StartShown();
    const std::string before = game_.ReadIniBytes();
    {
        const HeldIni held(game_);
        Click(Ctl(L"Option2", 4));
        ASSERT_EQ(platform_.boxes.size(), 1u);
        EXPECT_EQ(platform_.boxes[0].title, kNo02.title);
        EXPECT_EQ(platform_.boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    }
    EXPECT_EQ(game_.ReadIniBytes(), before);
    // Once the other program lets go, the same click works.
    platform_.boxes.clear();
    Click(Ctl(L"Option2", 4));
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_EQ(game_.Read("Misc", "ScreenshotWidth"), "1024");
}

TEST_F(Faults, IniThatIsAFolderCannotBeShown) {
    ::CreateDirectoryW(game_.Ini().c_str(), nullptr);
    EXPECT_FALSE(Start());
    ASSERT_EQ(platform_.boxes.size(), 1u);
    EXPECT_EQ(platform_.boxes[0].title, kNo01.title);
    EXPECT_TRUE(::GetFileAttributesW(game_.Ini().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(Faults, ThousandsOfPalettesWithUnusualNames) {
    game_.WriteIni(TypicalIni());
    for (int i = 0; i < 5000; ++i) game_.AddPalette(L"pal " + std::to_wstring(i) + L".pal");
    game_.AddPalette(L"夜景 パレット.pal");
    game_.AddPalette(L"팔레트.pal");  // no form in code page 932
    game_.AddPalette(L"not a palette.txt");
    StartShown();
    EXPECT_EQ(::SendMessageW(Control(Ctl(L"File1")), LB_GETCOUNT, 0, 0), 5002);

    ChooseFile(L"夜景 パレット.pal");
    Click(Ctl(L"Command1"));
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_EQ(game_.Read("Misc", "PaletteFile"), "Palettes\\\x96\xe9\x8c\x69 \x83\x70\x83\x8c\x83\x62\x83\x67.pal");
    EXPECT_EQ(Text(Ctl(L"lblNow")), L" 夜景 パレット.pal");

    // A name the game could not open is not written with "?" in it.
    const std::string before = game_.ReadIniBytes();
    ChooseFile(L"팔레트.pal");
    Click(Ctl(L"Command1"));
    ASSERT_EQ(platform_.boxes.size(), 1u);
    EXPECT_EQ(platform_.boxes[0].title, kNo02.title);
    EXPECT_EQ(game_.ReadIniBytes(), before);
}

class OddFolder : public ::testing::Test {
protected:
    // Starts on a game folder whose name ends in `suffix`.
    void StartIn(const std::wstring& suffix) {
        game_ = std::make_unique<GameFolder>(true, suffix);
        game_->WriteIni(TypicalIni());
        platform_ = std::make_unique<RecordingPlatform>(game_->path());
        app_ = std::make_unique<app::Application>(*platform_, win::Language::Japanese);
        started_ = app_->Start();
    }
    void TearDown() override { app_.reset(); }

    std::unique_ptr<GameFolder> game_;
    std::unique_ptr<RecordingPlatform> platform_;
    std::unique_ptr<app::Application> app_;
    bool started_ = false;
};

TEST_F(OddFolder, BlanksAndJapaneseInThePath) {
    StartIn(L" ゲーム フォルダ");
    ASSERT_TRUE(started_);
    ::SendMessageW(app_->MainWindow()->Control(Ctl(L"Option1", 8)), BM_CLICK, 0, 0);
    EXPECT_TRUE(platform_->boxes.empty());
    EXPECT_EQ(game_->Read("Graphics", "VideoMemory"), "512000");
}

TEST_F(OddFolder, PathOutsideTheCodePageIsReportedNotGuessed) {
    // The profile functions take ANSI names: a folder they cannot name cannot be read.
    StartIn(L" 한국");
    EXPECT_FALSE(started_);
    ASSERT_EQ(platform_->boxes.size(), 1u);
    EXPECT_EQ(platform_->boxes[0].title, kNo01.title);
}

TEST_F(OddFolder, RootOfADrive) {
    // scripts/test maps a drive letter to a scratch folder; elsewhere there is no such drive.
    const char* drive = std::getenv("PELKOR_SCRATCH_DRIVE");
    if (!drive) GTEST_SKIP() << "no scratch drive (PELKOR_SCRATCH_DRIVE) on this machine";
    const std::wstring root = win::FromAnsi(drive) + L"\\";
    ::DeleteFileW((root + L"gr.ini").c_str());
    ::CreateDirectoryW((root + L"Palettes").c_str(), nullptr);
    {
        const std::string bytes = IniBytes(TypicalIni());
        win::UniqueFile file(
            ::CreateFileW((root + L"gr.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
        DWORD written = 0;
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    platform_ = std::make_unique<RecordingPlatform>(root);
    app_ = std::make_unique<app::Application>(*platform_, win::Language::Japanese);
    ASSERT_TRUE(app_->Start());
    // The name is joined without a test, so it holds two backslashes, and still works.
    EXPECT_EQ(app_->MainWindow()->Ini().IniFileName, root + L"\\gr.ini");
    ::SendMessageW(app_->MainWindow()->Control(Ctl(L"Option2", 3)), BM_CLICK, 0, 0);
    EXPECT_TRUE(platform_->boxes.empty());
    char width[16] = {};
    ::GetPrivateProfileStringA("Misc", "ScreenshotWidth", "", width, 16, (std::string(drive) + "\\gr.ini").c_str());
    EXPECT_STREQ(width, "800");
}

}  // namespace
}  // namespace pelkor::test
