// What the window shows for what gr.ini holds, checked on the live controls.
#include <thread>

#include "launch_support.h"
#include "support/form_fixture.h"
#include "win/handles.h"

namespace pelkor::test {
namespace {

constexpr wchar_t kCameraJoin[] = L" \u3000 ";

class RefreshTest : public FormTest {};

TEST_F(RefreshTest, TypicalFileFillsEveryDisplayAndChangesNothing) {
    game_.WriteIni(TypicalIniWith("ScreenshotWidth", "1024"));
    game_.AddPalette(L"gr.pal");
    game_.AddPalette(L"night.pal");
    const std::string before = game_.ReadIniBytes();
    StartShown();

    EXPECT_EQ(Text(Ctl(L"lblNow")), L" gr.pal");
    EXPECT_EQ(Text(Ctl(L"lblNow2")), L" 600 / 5");
    EXPECT_EQ(Text(Ctl(L"lblNow3")), L" 1024×480");
    EXPECT_EQ(Text(Ctl(L"lblNow4")),
              std::wstring(L" 上下 default") + kCameraJoin + L"左右 default" + kCameraJoin + L"拡大 default");
    EXPECT_EQ(Text(Ctl(L"lblNow5")), L" ON");
    EXPECT_EQ(Text(Ctl(L"lblNow6")), L" ON");
    EXPECT_EQ(Text(Ctl(L"lblNow7")), L" 自動検知");
    EXPECT_EQ(Text(Ctl(L"lblNow8")), L" OFF");
    EXPECT_EQ(Text(Ctl(L"lblNow9")), L" bmp");
    EXPECT_EQ(Text(Ctl(L"txt12", 2)), L"600");
    EXPECT_EQ(Text(Ctl(L"txt12", 3)), L"5");
    EXPECT_EQ(SelectedOption(L"Option2"), 4);
    EXPECT_EQ(SelectedOption(L"Option3"), 0);
    EXPECT_EQ(SelectedOption(L"Option4"), 0);
    EXPECT_EQ(SelectedOption(L"Option5"), 1);
    EXPECT_EQ(SelectedOption(L"Option1"), 0);
    EXPECT_EQ(Position(Ctl(L"Sc1")), 60);
    EXPECT_EQ(Position(Ctl(L"Sc2")), 0);
    EXPECT_EQ(Position(Ctl(L"Sc3")), 105);
    for (std::size_t row : {Ctl(L"llblV", 0), Ctl(L"llblV", 1), Ctl(L"llblV", 2)}) EXPECT_EQ(Text(row), L"default");
    EXPECT_EQ(::SendMessageW(Control(Ctl(L"File1")), LB_GETCOUNT, 0, 0), 2);

    // The working boxes hold section, key and the values exactly as read.
    EXPECT_EQ(Working(L"txt1", 0), L"Misc");
    EXPECT_EQ(Working(L"txt1", 1), L"PaletteFile");
    EXPECT_EQ(Working(L"txt1", 2), L"Palettes\\gr.pal");
    EXPECT_EQ(Working(L"txt2", 2), L"600");
    EXPECT_EQ(Working(L"txt4", 0), L"Viewport");
    EXPECT_EQ(Working(L"txt8", 1), L"AlternativeSpeedSetting");
    EXPECT_EQ(Working(L"txt9", 2), L"bmp");
    EXPECT_EQ(form().Ini().IniSection, L"Misc");
    EXPECT_EQ(form().Ini().IniKey, L"ScreenshotFormat");

    EXPECT_EQ(game_.ReadIniBytes(), before) << "showing the settings must not write";
}

TEST_F(RefreshTest, PaletteAndReplayTextsAreShownAsRead) {
    auto lines = TypicalIniWith("PaletteFile", "abc");
    lines = [&] {
        std::vector<std::string> out;
        for (auto& l : lines)
            if (l.rfind("Length=", 0) && l.rfind("FrameStep=", 0)) out.push_back(l);
        return out;
    }();
    lines.push_back("[Misc]");
    game_.WriteIni(lines);
    StartShown();
    EXPECT_EQ(Working(L"txt1", 3), L"");
    EXPECT_EQ(Text(Ctl(L"lblNow")), L" ");
    EXPECT_EQ(Text(Ctl(L"lblNow2")), L"  / ");
    EXPECT_EQ(Text(Ctl(L"txt12", 2)), L"");
    EXPECT_EQ(Text(Ctl(L"txt12", 3)), L"");
}

TEST_F(RefreshTest, ScreenshotWidthChoosesTheOptionAlone) {
    struct Case {
        const char* width;
        const char* height;
        int option;  // 0 is also the design selection, so unmatched widths show 0
        const wchar_t* caption;
    };
    const Case cases[] = {
        {"700", "525", 0, L" 700×525"},
        {"640.4", "480", 2, L" 640.4×480"},
        {"800", "480", 3, L" 800×480"},
        {"640.5", "1", 2, L" 640.5×1"},
        {"1023.5", "x", 4, L" 1023.5×x"},
        {" 512 ", "", 1, L" 512×"},  // the profile functions drop blanks around a value
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        auto lines = TypicalIniWith("ScreenshotWidth", c.width);
        for (auto& l : lines)
            if (l.rfind("ScreenshotHeight=", 0) == 0) l = std::string("ScreenshotHeight=") + c.height;
        game_.WriteIni(lines);
        const std::string before = game_.ReadIniBytes();
        StartShown();
        EXPECT_EQ(SelectedOption(L"Option2"), c.option);
        EXPECT_EQ(Text(Ctl(L"lblNow3")), c.caption);
        EXPECT_EQ(game_.ReadIniBytes(), before);
        app_.reset();
    }
}

TEST_F(RefreshTest, CameraKeysMoveTheirBarsUnlessDefault) {
    auto lines = TypicalIniWith("Rotation", "090");
    for (auto& l : lines)
        if (l.rfind("Zoom=", 0) == 0) l = "Zoom=200";
    game_.WriteIni(lines);
    StartShown();
    EXPECT_EQ(Text(Ctl(L"llblV", 0)), L"default");
    EXPECT_EQ(Position(Ctl(L"Sc1")), 60);
    // A moved bar shows its position in plain digits.
    EXPECT_EQ(Text(Ctl(L"llblV", 1)), L"90");
    EXPECT_EQ(Position(Ctl(L"Sc2")), 90);
    EXPECT_EQ(Text(Ctl(L"llblV", 2)), L"200");
    EXPECT_EQ(Position(Ctl(L"Sc3")), 200);
    EXPECT_EQ(Working(L"txt4", 3), L"090");
    EXPECT_EQ(Text(Ctl(L"lblNow4")),
              std::wstring(L" 上下 default") + kCameraJoin + L"左右 090" + kCameraJoin + L"拡大 200");
}

TEST_F(RefreshTest, CameraValueAtTheBarsOwnPositionKeepsItsText) {
    // The bar already stands at 60, so no change action rewrites the label.
    game_.WriteIni(TypicalIniWith("ViewAngle", "060"));
    StartShown();
    EXPECT_EQ(Text(Ctl(L"llblV", 0)), L"060");
}

TEST_F(RefreshTest, SwitchesFollowTheirOwnSenseAndIgnoreOtherNumbers) {
    struct Case {
        const char* key;
        const char* value;
        const wchar_t* label;
        const wchar_t* group;
        int option;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {"FasterTrackPreview", "0", L"lblNow5", L"Option3", 0, L" ON"},
        {"FasterTrackPreview", "1", L"lblNow5", L"Option3", 1, L" OFF"},
        {"FasterTrackPreview", "1.5", L"lblNow5", L"Option3", 0, L""},  // 1.5 rounds to 2: no row
        {"FasterTrackPreview", "0.5", L"lblNow5", L"Option3", 0, L" ON"},
        {"TyreAutoSort", "0", L"lblNow6", L"Option4", 1, L" OFF"},
        {"TyreAutoSort", "-1", L"lblNow6", L"Option4", 0, L""},
        {"AlternativeSpeedSetting", "1", L"lblNow8", L"Option5", 0, L" ON"},
        {"AlternativeSpeedSetting", "2", L"lblNow8", L"Option5", 1, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        game_.WriteIni(TypicalIniWith(c.key, c.value));
        StartShown();
        const std::wstring label(c.label);
        std::size_t row = label == L"lblNow5"   ? Ctl(L"lblNow5")
                          : label == L"lblNow6" ? Ctl(L"lblNow6")
                                                : Ctl(L"lblNow8");
        EXPECT_EQ(Text(row), c.caption);
        EXPECT_EQ(SelectedOption(c.group), c.option);
        app_.reset();
    }
}

TEST_F(RefreshTest, VideoMemoryMatchesWholeExactTextsOnly) {
    struct Case {
        const char* value;
        const wchar_t* caption;
        int option;
    };
    const Case cases[] = {{"64000", L" 64", 5},   {"4000", L" 4", 1}, {"512000", L" 512", 8}, {"65536", L"", 0},
                          {"AUTODETECT", L"", 0}, {"4000.0", L"", 0}, {"4096", L"", 0},       {"", L"", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        game_.WriteIni(TypicalIniWith("VideoMemory", c.value));
        StartShown();
        EXPECT_EQ(Text(Ctl(L"lblNow7")), c.caption);
        EXPECT_EQ(SelectedOption(L"Option1"), c.option);
        app_.reset();
    }
}

TEST_F(RefreshTest, ScreenshotFormatIsShownAfterOneBlank) {
    game_.WriteIni(TypicalIniWith("ScreenshotFormat", nullptr));
    StartShown();
    EXPECT_EQ(Text(Ctl(L"lblNow9")), L" ");
}

TEST_F(RefreshTest, LongValueIsCutTo1023Bytes) {
    game_.WriteIni(TypicalIniWith("ScreenshotFormat", std::string(2000, 'x').c_str()));
    StartShown();
    EXPECT_EQ(Working(L"txt9", 2), std::wstring(1023, L'x'));
}

TEST_F(RefreshTest, JapaneseTextComesThroughCodePage932) {
    ASSERT_EQ(::GetACP(), 932u) << "the tests must run with the Japanese ANSI code page";
    // "Palettes\夜景.pal" in Shift-JIS bytes.
    game_.WriteIni(TypicalIniWith("PaletteFile", "Palettes\\\x96\xe9\x8c\x69.pal"));
    StartShown();
    EXPECT_EQ(Text(Ctl(L"lblNow")), L" 夜景.pal");
    EXPECT_EQ(Working(L"txt1", 3), L"夜景.pal");
}

// Another program (a virus scanner, a sync client) holds the file for a moment just
// when the refresh reads it: the refresh waits for it instead of ending the program.
TEST_F(RefreshTest, FileHeldByAnotherProgramForAMomentIsWaitedFor) {
    game_.WriteIni(TypicalIni());
    StartShown();
    game_.WriteIni(TypicalIniWith("ScreenshotWidth", "1024"));
    HANDLE held = ::CreateFileW(game_.Ini().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        ::Sleep(300);
        ::CloseHandle(held);
    });
    form().Refresh();
    release.join();
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_TRUE(platform_.endings.empty());
    EXPECT_EQ(Text(Ctl(L"lblNow3")), L" 1024×480");
}

// A sync or backup tool's byte-range lock lets the file open but refuses its reads on
// Windows (Wine refuses only other locks): the refresh waits for the lock to go, and no
// longer than it lasts.
TEST_F(RefreshTest, FileLockedByAnotherProgramForAMomentIsWaitedFor) {
    game_.WriteIni(TypicalIni());
    StartShown();
    game_.WriteIni(TypicalIniWith("ScreenshotWidth", "1024"));
    const std::wstring held = L"Local\\pelkor-lock-" + std::to_wstring(::GetCurrentProcessId());
    win::UniqueHandle locked(::CreateEventW(nullptr, TRUE, FALSE, held.c_str()));
    std::wstring command = L"\"" + BuiltProgram(L"lock_range.exe") + L"\" \"" + game_.Ini() + L"\" 300 " + held;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(
        ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    win::UniqueHandle locker(started.hProcess);
    win::UniqueHandle thread(started.hThread);
    HANDLE either[] = {locked.get(), locker.get()};
    ASSERT_EQ(::WaitForMultipleObjects(2, either, FALSE, 10000), WAIT_OBJECT_0) << "the lock was not taken";
    {
        // The lock is real: the file opens, and a lock of ours on it is refused.
        win::UniqueFile file(::CreateFileW(game_.Ini().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        OVERLAPPED whole{};
        EXPECT_FALSE(::LockFileEx(file.get(), LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole));
        EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_LOCK_VIOLATION));
    }
    const ULONGLONG before = ::GetTickCount64();
    form().Refresh();
    const ULONGLONG took = ::GetTickCount64() - before;
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_TRUE(platform_.endings.empty());
    EXPECT_EQ(Text(Ctl(L"lblNow3")), L" 1024×480");
    EXPECT_LT(took, 1500u) << "waited past the end of the lock";
    ASSERT_EQ(::WaitForSingleObject(locker.get(), 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(locker.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace pelkor::test
