// The help button, the palette link and the about box's home-page label open their
// pages in the user's browser, or say that they could not.
#include "core/web_pages.h"

#include <fstream>
#include <iterator>
#include <thread>

#include "launch_support.h"
#include "platform/platform.h"
#include "support/expected_messages.h"

namespace pelkor::test {
namespace {

using app::AboutCtl;
using core::kHelpPage;
using core::kHomePage;
using core::kPalettePage;
using core::PageAddress;
using driver::BrowserStandIn;

class WebPagesTest : public ShownFormTest {
protected:
    void SetUp() override {
        ShownFormTest::SetUp();
        ASSERT_NE(OpenAboutBox(), nullptr);
    }
    void ClickLink(HWND label) {
        PostClick(label);
        Pump();
    }
    HWND HomeLink() { return app_->AboutBox()->Control(AboutCtl(L"Label4")); }
};

TEST_F(WebPagesTest, EachClickAsksForItsOwnPageOnce) {
    Click(Ctl(L"Command9"));
    Click(Ctl(L"Command9"));
    const std::wstring message = Text(Ctl(L"lblMes"));
    const LinkLook link = LookOf(Control(Ctl(L"lblLink1")));
    ClickLink(Control(Ctl(L"lblLink1")));
    ClickLink(HomeLink());

    const std::vector<std::wstring> expected{PageAddress(kHelpPage), PageAddress(kHelpPage), PageAddress(kPalettePage),
                                             PageAddress(kHomePage)};
    EXPECT_EQ(platform_.pages, expected);
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_EQ(Text(Ctl(L"lblMes")), message) << "a click is no mouse move";
    EXPECT_EQ(LookOf(Control(Ctl(L"lblLink1"))), link);
    EXPECT_TRUE(::IsWindowVisible(app_->AboutBox()->hwnd())) << "the about box stays open";
}

TEST_F(WebPagesTest, RefusedPageShowsTheAccessMessageWithoutIconOrTitle) {
    platform_.pageSucceeds = false;
    Click(Ctl(L"Command9"));
    ClickLink(Control(Ctl(L"lblLink1")));
    ClickLink(HomeLink());
    ASSERT_EQ(platform_.boxes.size(), 3u);
    for (const MessageBoxCall& box : platform_.boxes) {
        EXPECT_EQ(box.text, kAccessFailure.text);
        EXPECT_EQ(box.title, std::nullopt);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
    }
    EXPECT_EQ(platform_.pages.size(), 3u);

    // Both windows go on working.
    EXPECT_TRUE(::IsWindowVisible(app_->AboutBox()->hwnd()));
    Click(Ctl(L"Option1", 5));
    EXPECT_EQ(game_.Read("Graphics", "VideoMemory"), "64000");
    EXPECT_TRUE(platform_.endings.empty());
}

// A box without a title of its own bears the program's name, not the system's "Error".
TEST(RealPlatformTest, BoxWithoutTitleBearsTheProgramsName) {
    const DWORD thread = ::GetCurrentThreadId();
    std::wstring title, text;
    std::thread answer([&] {
        HWND box = nullptr;
        WaitFor([&] {
            const auto boxes = WindowsOf(thread, L"#32770");
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        });
        if (!box) return;
        title = WindowText(box);
        text = WindowText(::GetDlgItem(box, 0xFFFF));
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    platform::RealPlatform platform;
    EXPECT_EQ(platform.ShowMessageBox(nullptr, kAccessFailure.text, std::nullopt, kAccessFailure.type), IDOK);
    answer.join();
    EXPECT_EQ(title, L"Pelkor");
    EXPECT_EQ(text, kAccessFailure.text);
}

TEST(RealPlatformTest, AddressNoProgramCanOpenIsAFailure) {
    platform::RealPlatform platform;
    EXPECT_FALSE(platform.OpenWebPage(L"pelkor-no-such-scheme:page"));
}

TEST(RealWebPages, EachAddressReachesTheBrowser) {
    BrowserStandIn browser;
    if (!browser.Ready()) GTEST_SKIP() << "not under Wine: no browser to stand in for";
    GameFolder game;
    PelkorProcess pelkor;
    HWND main = StartShown(pelkor, game);
    ASSERT_NE(main, nullptr);

    auto narrow = [](std::wstring_view page) {
        const std::wstring address = PageAddress(page);
        return std::string(address.begin(), address.end());
    };
    std::vector<std::string> expected;
    auto opens = [&](HWND control, std::wstring_view page) {
        expected.push_back(narrow(page));
        return PostClick(control) && WaitFor([&] { return browser.Pages() == expected; }, std::chrono::seconds(15));
    };
    EXPECT_TRUE(opens(ChildWithText(main, L"OnLineヘルプ"), kHelpPage));
    EXPECT_TRUE(opens(ChildWithText(main, L"パレットWeb情報"), kPalettePage));
    ASSERT_TRUE(PostClick(ChildWithText(main, L"バージョン情報")));
    HWND about = WaitForWindowOf(pelkor, app::Form2::kClassName);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(opens(ChildWithText(about, L"HomePage"), kHomePage));
    EXPECT_TRUE(pelkor.Answers(about)) << "opening a page ends nothing";
    EXPECT_EQ(browser.Pages(), expected);
}

}  // namespace
}  // namespace pelkor::test
