// The launcher: the game started by its full path, then the program ends; or error No.05.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "launch_support.h"
#include "platform/platform.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

class LauncherTest : public ShownFormTest {
protected:
    void SetUp() override {
        ShownFormTest::SetUp();
        ASSERT_NE(OpenAboutBox(), nullptr);
    }
};

TEST_F(LauncherTest, StartsTheGameByItsFullPathThenClosesBothWindowsAndEnds) {
    const std::string before = game_.ReadIniBytes();
    Click(Ctl(L"Command4"));
    const std::wstring game = game_.path() + L"\\GeneRally.exe";
    ASSERT_EQ(platform_.starts.size(), 1u);
    EXPECT_EQ(platform_.starts[0].application, game);
    EXPECT_EQ(platform_.starts[0].commandLine, L"\"" + game + L"\"");
    EXPECT_EQ(platform_.starts[0].folder, game_.path());
    EXPECT_TRUE(platform_.shellStarts.empty());
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_FALSE(app_->AboutBox()->IsAlive());
    EXPECT_FALSE(form().IsAlive());
    EXPECT_EQ(platform_.endings, std::vector<int>{0});
    EXPECT_EQ(game_.ReadIniBytes(), before);
}

TEST_F(LauncherTest, GameThatCannotStartShowsNo05AndLeavesEverythingUsable) {
    platform_.startResult = ERROR_FILE_NOT_FOUND;
    Click(Ctl(L"Command4"));
    ExpectOneBox(platform_, kNo05);
    EXPECT_TRUE(::IsWindowVisible(form().hwnd()));
    EXPECT_TRUE(::IsWindowVisible(app_->AboutBox()->hwnd()));
    EXPECT_TRUE(platform_.endings.empty());

    // The button can be pressed again; this time the game starts.
    platform_.startResult = ERROR_SUCCESS;
    Click(Ctl(L"Command4"));
    EXPECT_EQ(platform_.starts.size(), 2u);
    EXPECT_EQ(platform_.endings, std::vector<int>{0});
}

// A game set to run as an administrator: the shell starts it as a double-click would,
// asking the user's consent. Declined, nothing is reported; any other failure is No.05.
TEST_F(LauncherTest, GameThatMustRunAsAdministratorStartsThroughTheShellUnlessDeclined) {
    const std::wstring game = game_.path() + L"\\GeneRally.exe";
    platform_.startResult = platform::kErrorElevationRequired;
    platform_.shellStartResult = ERROR_CANCELLED;
    Click(Ctl(L"Command4"));
    ASSERT_EQ(platform_.shellStarts.size(), 1u);
    EXPECT_EQ(platform_.shellStarts[0].application, game);
    EXPECT_EQ(platform_.shellStarts[0].folder, game_.path());
    EXPECT_TRUE(platform_.boxes.empty()) << "the user chose not to start it";
    EXPECT_TRUE(::IsWindowVisible(form().hwnd()));
    EXPECT_TRUE(platform_.endings.empty());

    platform_.shellStartResult = ERROR_ACCESS_DENIED;
    Click(Ctl(L"Command4"));
    ExpectOneBox(platform_, kNo05);
    EXPECT_TRUE(platform_.endings.empty());

    platform_.shellStartResult = ERROR_SUCCESS;
    Click(Ctl(L"Command4"));
    EXPECT_EQ(platform_.shellStarts.size(), 3u);
    EXPECT_FALSE(form().IsAlive());
    EXPECT_EQ(platform_.endings, std::vector<int>{0});
}

// How the stand-in game found itself started: its path, command line, current
// folder and show state, one a line.
std::vector<std::wstring> StartRecord(const std::wstring& exe) {
    std::ifstream in((exe + L".started.txt").c_str(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    std::vector<std::wstring> lines;
    std::wstringstream stream(text);
    for (std::wstring line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

bool PlaceGame(const std::wstring& exe) {
    ::DeleteFileW((exe + L".started.txt").c_str());
    return ::CopyFileW(BuiltProgram(L"fake_game.exe").c_str(), exe.c_str(), FALSE);
}

// The real program in a folder whose name has blanks: a command line taken apart at
// the first blank would start "<...>\pelkor-N.exe", planted beside the folder. The
// program itself is started from the folder above, as from a shortcut or a command
// prompt elsewhere; the game still runs in its own folder.
TEST(RealLauncher, StartsTheGameInItsFolderWithBlanksAndEnds) {
    GameFolder game(true, L" game folder");
    const std::wstring exe = game.path() + L"\\GeneRally.exe";
    const std::wstring decoy = game.path().substr(0, game.path().find(L' ')) + L".exe";
    ASSERT_TRUE(PlaceGame(exe));
    ASSERT_TRUE(PlaceGame(decoy));
    struct RemoveDecoy {
        std::wstring path;
        ~RemoveDecoy() {
            ::DeleteFileW(path.c_str());
            ::DeleteFileW((path + L".started.txt").c_str());
        }
    } removeDecoy{decoy};

    PelkorProcess pelkor;
    HWND main = StartShown(pelkor, game, game.path().substr(0, game.path().find_last_of(L'\\')));
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(PostClick(ChildWithText(main, L"バージョン情報")));
    ASSERT_NE(WaitForWindowOf(pelkor, app::Form2::kClassName), nullptr);
    ASSERT_TRUE(PostClick(ChildWithText(main, L"GeneRallyの起動")));

    ASSERT_TRUE(pelkor.WaitForExit()) << "the program must end after starting the game";
    EXPECT_EQ(pelkor.ExitCode(), 0u);
    ASSERT_TRUE(WaitFor([&] { return StartRecord(exe).size() == 4; })) << "the game was not started";
    const auto record = StartRecord(exe);
    EXPECT_EQ(record[1], L"\"" + exe + L"\"");
    EXPECT_EQ(record[2], game.path()) << "the game runs in its own folder";
    EXPECT_EQ(record[3], std::to_wstring(SW_SHOWNORMAL));
    EXPECT_TRUE(StartRecord(decoy).empty()) << "another program ran in the game's place";
}

// At the root of a drive the path holds two backslashes, and the game still starts.
TEST(RealLauncher, DoubledBackslashAtADriveRootStillStartsTheGame) {
    const char* drive = std::getenv("PELKOR_SCRATCH_DRIVE");
    if (!drive) GTEST_SKIP() << "no scratch drive (PELKOR_SCRATCH_DRIVE) on this machine";
    const std::wstring root = std::wstring(drive, drive + std::strlen(drive)) + L"\\";
    const std::wstring exe = root + L"\\GeneRally.exe";
    ASSERT_TRUE(PlaceGame(exe));
    platform::RealPlatform platform;
    EXPECT_EQ(platform.StartProgram(exe, L"\"" + exe + L"\"", root), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(WaitFor([&] { return StartRecord(exe).size() == 4; }));
    // Gone once the stand-in has ended and lets go of its file.
    ASSERT_TRUE(WaitFor([&] { return ::DeleteFileW(exe.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND; }));
    ::DeleteFileW((exe + L".started.txt").c_str());

    EXPECT_NE(platform.StartProgram(exe, L"\"" + exe + L"\"", root), static_cast<DWORD>(ERROR_SUCCESS))
        << "a missing game is a failure";
}

// Without the game: No.05, and both windows stay usable; the about box outlives the
// main window and the program ends only when both are closed.
TEST(RealLauncher, MissingGameShowsNo05AndTheProgramLivesUntilItsLastWindow) {
    GameFolder game;
    PelkorProcess pelkor;
    HWND main = StartShown(pelkor, game);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(PostClick(ChildWithText(main, L"バージョン情報")));
    HWND about = WaitForWindowOf(pelkor, app::Form2::kClassName);
    ASSERT_NE(about, nullptr);

    ASSERT_TRUE(PostClick(ChildWithText(main, L"GeneRallyの起動")));
    const auto box = pelkor.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, kNo05.title);
    EXPECT_EQ(box->text, kNo05.text);
    ::PostMessageW(box->window, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(box->window); }));
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_TRUE(::IsWindowVisible(about));

    // Still usable: a second click on the version button brings the same box forward.
    ::SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitFor([&] { return InFrontOf(main, about); }));
    ASSERT_TRUE(PostClick(ChildWithText(main, L"バージョン情報")));
    EXPECT_TRUE(WaitFor([&] { return InFrontOf(about, main); }));
    EXPECT_EQ(WaitForWindowOf(pelkor, app::Form2::kClassName), about);

    ::PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(main); }));
    EXPECT_TRUE(pelkor.Answers(about)) << "ended with the about box open";
    ::PostMessageW(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(pelkor.WaitForExit());
    EXPECT_EQ(pelkor.ExitCode(), 0u);
}

}  // namespace
}  // namespace pelkor::test
