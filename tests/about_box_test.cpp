// The about box: one modeless box without an owner, its look, its link and its lifetime.
#include "launch_support.h"
#include "win/dpi.h"

namespace pelkor::test {
namespace {

using app::AboutCtl;

constexpr LinkLook kHomeAtRest{RGB(255, 255, 255), false};
constexpr LinkLook kHomeLit{RGB(0, 0, 255), true};

class AboutBoxTest : public ShownFormTest {
protected:
    HWND OpenAbout() {
        app::Form2* box = OpenAboutBox();
        return box ? box->hwnd() : nullptr;
    }
    HWND About(std::size_t row) { return app_->AboutBox()->Control(row); }
    LinkLook Home() { return LookOf(About(AboutCtl(L"Label4"))); }
    // Clicks the version button; whether the box then stands in front of the main window,
    // asked before any other message is handled: a program on the display that closes its
    // active window hands the activation on, maybe to the main window, at any moment.
    bool OpensInFront() {
        ::SendMessageW(Control(Ctl(L"Command3")), BM_CLICK, 0, 0);
        const app::Form2* box = app_->AboutBox();
        const bool inFront = box && box->IsAlive() && InFrontOf(box->hwnd(), form().hwnd());
        Pump();
        return inFront;
    }
    static std::size_t CountAboutBoxes() { return WindowsOf(::GetCurrentThreadId(), app::Form2::kClassName).size(); }

private:
    // The box is checked for where it stands among the windows: no other test's about
    // box comes and goes meanwhile.
    ScreenTurn turn_;
};

TEST_F(AboutBoxTest, OneModelessBoxWithoutOwnerCentredAtItsDesignedSize) {
    EXPECT_TRUE(OpensInFront());
    ASSERT_NE(app_->AboutBox(), nullptr);
    HWND box = app_->AboutBox()->hwnd();
    EXPECT_TRUE(::IsWindowVisible(box));
    EXPECT_EQ(WindowText(box), L"バージョン情報");
    EXPECT_EQ(::GetWindow(box, GW_OWNER), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(form().hwnd())) << "the main window stays usable";

    const LONG_PTR style = ::GetWindowLongPtrW(box, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(box, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "small caption, no place in the task bar";
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);

    const int dpi = app_->AboutBox()->Dpi();
    RECT client{}, outer{};
    ::GetClientRect(box, &client);
    ::GetWindowRect(box, &outer);
    EXPECT_EQ(client.right, win::TwipsToPixels(3525, dpi));
    EXPECT_EQ(client.bottom, win::TwipsToPixels(1170, dpi));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(box, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR(outer.left + outer.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(outer.top + outer.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);

    // A second click while it is open, from the main window in front, brings the same box forward.
    ::SetWindowPos(form().hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(InFrontOf(form().hwnd(), box));
    EXPECT_TRUE(OpensInFront());
    EXPECT_EQ(app_->AboutBox()->hwnd(), box);
    EXPECT_EQ(CountAboutBoxes(), 1u);
}

TEST_F(AboutBoxTest, ShowsNameVersionNoticeAndTheLinkWholeAndInPlace) {
    ASSERT_NE(OpenAbout(), nullptr);
    EXPECT_EQ(WindowText(About(AboutCtl(L"Label1"))), L"Pelkor(ぺるこる)");
    EXPECT_EQ(WindowText(About(AboutCtl(L"Label2"))), L"Ver. 1.0a");
    EXPECT_NE(WindowText(About(AboutCtl(L"Label3"))).find(L"VornTool"), std::wstring::npos);
    EXPECT_EQ(WindowText(About(AboutCtl(L"Label4"))), L"HomePage");
    EXPECT_EQ(Home(), kHomeAtRest);
    EXPECT_EQ(LookOf(About(AboutCtl(L"Label2"))).text, RGB(64, 64, 64));
    EXPECT_EQ(LookOf(About(AboutCtl(L"Label3"))).text, RGB(64, 64, 64));

    const int dpi = app_->AboutBox()->Dpi();
    auto fontOf = [&](std::size_t row) {
        LOGFONTW lf{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(About(row), WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        return lf;
    };
    const LOGFONTW title = fontOf(AboutCtl(L"Label1"));
    EXPECT_STREQ(title.lfFaceName, L"ＭＳ Ｐゴシック");
    EXPECT_GE(title.lfWeight, FW_BOLD);
    // The designed size, or a pixel or two lower where the parentheses would reach below the label.
    EXPECT_LE(-title.lfHeight, win::PointsToPixels(9, dpi));
    EXPECT_GE(-title.lfHeight, win::PointsToPixels(9, dpi) - 2);
    const LOGFONTW link = fontOf(AboutCtl(L"Label4"));
    EXPECT_STREQ(link.lfFaceName, L"Small Fonts");
    EXPECT_EQ(-link.lfHeight, win::PointsToPixels(6, dpi));

    // Each label shows its whole text on one line, however wide the system's font is.
    for (const std::size_t row : {AboutCtl(L"Label1"), AboutCtl(L"Label2"), AboutCtl(L"Label3")}) {
        SCOPED_TRACE(row);
        HWND label = About(row);
        RECT r{};
        ::GetClientRect(label, &r);
        HDC dc = ::GetDC(label);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)));
        const std::wstring text = WindowText(label);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(label, dc);
        EXPECT_LE(size.cx, r.right);
        const RECT designed = win::PixelRect(app::kForm2, row, dpi);
        EXPECT_GE(r.right, designed.right - designed.left);
    }

    // The program's icon at its own size, and the link's tooltip.
    RECT picture{};
    ::GetClientRect(About(AboutCtl(L"Picture1")), &picture);
    EXPECT_EQ(picture.right, win::TwipsToPixels(480, dpi));
    EXPECT_EQ(picture.bottom, win::TwipsToPixels(480, dpi));
    EXPECT_EQ(app_->AboutBox()->tooltips().TextOf(About(AboutCtl(L"Label4"))), L"ブラウザで作者ホームページを開きます");
}

TEST_F(AboutBoxTest, LinkLightsUnderItsOwnPointerAndOnlyTheBackgroundRestoresIt) {
    HWND box = OpenAbout();
    ASSERT_NE(box, nullptr);
    MoveOver(About(AboutCtl(L"Label4")));
    EXPECT_EQ(Home(), kHomeLit);
    // Onto another label or the picture, or straight out of the box: it stays lit.
    for (const std::size_t row :
         {AboutCtl(L"Label1"), AboutCtl(L"Label2"), AboutCtl(L"Label3"), AboutCtl(L"Picture1")}) {
        MoveOver(About(row));
        EXPECT_EQ(Home(), kHomeLit) << row;
    }
    MoveOver(form().hwnd());
    EXPECT_EQ(Home(), kHomeLit);
    MoveOver(box);
    EXPECT_EQ(Home(), kHomeAtRest);
    MoveOver(box);
    EXPECT_EQ(Home(), kHomeAtRest);

    // Each control answers hit tests for its own area, so the pointer over a label
    // never counts as over the background. Asked of the controls themselves: the
    // screen is shared with the tests running beside this one.
    for (std::size_t row = 0; row < app::kForm2.size(); ++row) {
        RECT r{};
        ::GetWindowRect(About(row), &r);
        const LPARAM centre = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_EQ(::SendMessageW(About(row), WM_NCHITTEST, 0, centre), HTCLIENT) << row;
    }
    POINT corner{2, 2};
    ::ClientToScreen(box, &corner);
    EXPECT_EQ(::SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT);
    EXPECT_EQ(::ChildWindowFromPointEx(box, POINT{2, 2}, CWP_SKIPINVISIBLE), box);
}

TEST_F(AboutBoxTest, ClosingAndReopeningShowsTheLinkAtRest) {
    HWND box = OpenAbout();
    ASSERT_NE(box, nullptr);
    MoveOver(About(AboutCtl(L"Label4")));
    ASSERT_EQ(Home(), kHomeLit);
    // Enter and Tab leave it open; Esc closes it, as its close box does.
    auto press = [&](WPARAM key) {
        ::PostMessageW(box, WM_KEYDOWN, key, 0);
        for (MSG msg; ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
            if (app_->PreTranslateMessage(msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    };
    press(VK_RETURN);
    press(VK_TAB);
    ASSERT_TRUE(::IsWindowVisible(box));
    press(VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(box));
    EXPECT_TRUE(platform_.endings.empty()) << "the main window is still open";

    ASSERT_NE(OpenAbout(), nullptr);
    EXPECT_EQ(Home(), kHomeAtRest);
    EXPECT_EQ(CountAboutBoxes(), 1u);
}

TEST_F(AboutBoxTest, MainWindowClosedFirstKeepsTheProgramUntilTheBoxCloses) {
    HWND box = OpenAbout();
    ASSERT_NE(box, nullptr);
    ::SendMessageW(form().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form().IsAlive());
    EXPECT_TRUE(::IsWindowVisible(box));
    EXPECT_TRUE(platform_.endings.empty());

    ::SendMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_EQ(platform_.endings, std::vector<int>{0});
}

}  // namespace
}  // namespace pelkor::test
