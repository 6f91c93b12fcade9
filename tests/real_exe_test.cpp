// The real Pelkor.exe, started as a user starts it from the game folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "driver/pelkor_process.h"
#include "support/expected_messages.h"
#include "support/game_folder.h"

namespace pelkor::test {
namespace {

using driver::WaitFor;
using driver::WindowText;

class RealExe : public ::testing::Test {
protected:
    GameFolder game_;
    driver::PelkorProcess pelkor_;
};

TEST_F(RealExe, WithoutIniShowsError01AndEndsWithoutItsWindow) {
    pelkor_.Launch(game_.path());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = pelkor_.FindWindowOfClass(L"#32770")) != nullptr; }));
    EXPECT_EQ(WindowText(box), kNo01.title);
    EXPECT_EQ(WindowText(::GetDlgItem(box, 0xFFFF)), kNo01.text);
    EXPECT_EQ(pelkor_.MainWindow(), nullptr) << "the main window must never appear";

    ::SendMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(pelkor_.WaitForExit()) << "the program did not end";
    EXPECT_EQ(pelkor_.ExitCode(), 1u);
    EXPECT_FALSE(game_.IniExists());
}

TEST_F(RealExe, OpensCentredWithTheSettingsAndClosesWritingNothing) {
    game_.WriteIni(TypicalIni());
    const std::string before = game_.ReadIniBytes();
    const auto started = std::chrono::steady_clock::now();
    pelkor_.Launch(game_.path());
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = pelkor_.MainWindow()) != nullptr; }));
    const auto startUp =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    std::printf("start-up until the window is shown and waits for input: %lld ms\n",
                static_cast<long long>(startUp.count()));

    RECT r{};
    ::GetWindowRect(window, &r);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR((r.left + r.right) / 2, (monitor.rcWork.left + monitor.rcWork.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (monitor.rcWork.top + monitor.rcWork.bottom) / 2, 1);

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(pelkor_.WaitForExit()) << "the program did not end";
    EXPECT_EQ(pelkor_.ExitCode(), 0u);
    EXPECT_EQ(game_.ReadIniBytes(), before);
}

}  // namespace
}  // namespace pelkor::test
