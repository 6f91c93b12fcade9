// The real Pelkor.exe, started as a user starts it from the game folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "driver/pelkor_process.h"
#include "support/game_folder.h"
#include "win/handles.h"

namespace pelkor::test {
namespace {

std::wstring BuiltExe() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\')) + L"\\Pelkor.exe";
}

template <typename Predicate>
bool WaitFor(Predicate done, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

class RealExe : public ::testing::Test {
protected:
    // Copies the exe into the game folder and starts it there, as a double-click would.
    void Launch() {
        const std::wstring exe = game_.path() + L"\\Pelkor.exe";
        ASSERT_TRUE(::CopyFileW(BuiltExe().c_str(), exe.c_str(), FALSE)) << "Pelkor.exe not built beside the tests";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        std::wstring commandLine = L"\"" + exe + L"\"";
        ASSERT_TRUE(::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     game_.path().c_str(), &startup, &info));
        ::CloseHandle(info.hThread);
        process_.reset(info.hProcess);
        pid_ = info.dwProcessId;
        started_ = std::chrono::steady_clock::now();
    }

    DWORD ExitCodeAfterEnd() {
        EXPECT_EQ(::WaitForSingleObject(process_.get(), 20000), WAIT_OBJECT_0) << "the program did not end";
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(process_.get(), &code);
        return code;
    }

    void TearDown() override {
        if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.get(), 99);
            ::WaitForSingleObject(process_.get(), 5000);
        }
    }

    GameFolder game_;
    win::UniqueHandle process_;
    DWORD pid_ = 0;
    std::chrono::steady_clock::time_point started_;
};

TEST_F(RealExe, WithoutIniShowsError01AndEndsWithoutItsWindow) {
    Launch();
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = driver::VisibleWindowOfProcess(pid_, L"#32770")) != nullptr; }));
    EXPECT_EQ(WindowText(box), L"エラー\u3000No.01");
    EXPECT_EQ(WindowText(::GetDlgItem(box, 0xFFFF)), L"セッティングが出来ません。\u3000\r\n\r\nプログラムを終了します。");
    EXPECT_EQ(driver::VisibleWindowOfProcess(pid_, L"PelkorForm1"), nullptr) << "the main window must never appear";

    ::SendMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 1u);
    EXPECT_FALSE(game_.IniExists());
}

TEST_F(RealExe, OpensCentredWithTheSettingsAndClosesWritingNothing) {
    game_.WriteIni(TypicalIni());
    const std::string before = game_.ReadIniBytes();
    Launch();
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = driver::VisibleWindowOfProcess(pid_, L"PelkorForm1")) != nullptr; }));
    const auto startUp = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_);
    std::printf("start-up until the window is visible: %lld ms\n", static_cast<long long>(startUp.count()));

    RECT r{};
    ::GetWindowRect(window, &r);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR((r.left + r.right) / 2, (monitor.rcWork.left + monitor.rcWork.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (monitor.rcWork.top + monitor.rcWork.bottom) / 2, 1);

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 0u);
    EXPECT_EQ(game_.ReadIniBytes(), before);
}

}  // namespace
}  // namespace pelkor::test
