// The camera group: the bars, driven through the real scroll bar controls, set the
// value labels; "実行" writes the labels and "初期化" writes "default".
#include <functional>

#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

// Where the mouse presses the bar; the page keys give the trough's step where the
// thumb leaves no trough to click (the bars are narrow).
enum class Part { LeftArrow, LeftTrough, Thumb, RightTrough, RightArrow, PageLeftKey, PageRightKey };

// Runs for every message the bar's own tracking loop takes while the button is down.
std::function<void(const MSG&)> g_duringTracking;

LRESULT CALLBACK TrackingProbe(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_SCROLLBAR && g_duringTracking) g_duringTracking(*reinterpret_cast<const MSG*>(lParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class CameraTest : public FormTest {
protected:
    // A point on a part of the bar, in the bar's client coordinates.
    POINT PointOn(std::size_t bar, Part part) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        EXPECT_TRUE(::GetScrollBarInfo(Control(bar), OBJID_CLIENT, &info));
        const int width = info.rcScrollBar.right - info.rcScrollBar.left;
        const int arrow = info.dxyLineButton;
        const int y = (info.rcScrollBar.bottom - info.rcScrollBar.top) / 2;
        switch (part) {
            case Part::LeftArrow: return {arrow / 2, y};
            case Part::LeftTrough:
                EXPECT_LT(arrow, info.xyThumbTop) << "no trough left of the thumb";
                return {(arrow + info.xyThumbTop) / 2, y};
            case Part::Thumb: return {(info.xyThumbTop + info.xyThumbBottom) / 2, y};
            case Part::RightTrough:
                EXPECT_LT(info.xyThumbBottom, width - arrow) << "no trough right of the thumb";
                return {(info.xyThumbBottom + width - arrow) / 2, y};
            case Part::RightArrow: return {width - arrow / 2 - 1, y};
            default: break;
        }
        return {};
    }

    // Presses the mouse button on a part of the bar, moves it dragBy pixels, and lets go.
    // The bar runs its own tracking loop inside the button-down message, so the rest of
    // the gesture is queued before it.
    void Press(std::size_t bar, Part part, int dragBy = 0) {
        HWND control = Control(bar);
        if (part == Part::PageLeftKey || part == Part::PageRightKey) {
            ::SendMessageW(control, WM_KEYDOWN, part == Part::PageLeftKey ? VK_PRIOR : VK_NEXT, 0);
            Pump();
            return;
        }
        const POINT at = PointOn(bar, part);
        if (dragBy) ::PostMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + dragBy, at.y));
        ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(at.x + dragBy, at.y));
        ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        Pump();
    }

    void ExpectBar(std::size_t bar, std::size_t label, int position) {
        EXPECT_EQ(Position(bar), position);
        EXPECT_EQ(Text(label), std::to_wstring(position));
    }
};

TEST_F(CameraTest, ArrowsStepByOneTheTroughByTenWithinTheRange) {
    auto lines = TypicalIniWith("Rotation", "355");
    SetValue(lines, "Zoom", "15");
    game_.WriteIni(lines);
    const std::string before = game_.ReadIniBytes();
    StartShown();
    const std::size_t sc1 = Ctl(L"Sc1"), sc2 = Ctl(L"Sc2"), sc3 = Ctl(L"Sc3");
    const std::size_t v0 = Ctl(L"llblV", 0), v1 = Ctl(L"llblV", 1), v2 = Ctl(L"llblV", 2);

    struct Step {
        std::size_t bar, label;
        Part part;
        int position;
    };
    const Step steps[] = {
        {sc1, v0, Part::RightArrow, 61},  {sc1, v0, Part::RightTrough, 71},   {sc1, v0, Part::LeftArrow, 70},
        {sc1, v0, Part::LeftTrough, 60},  {sc2, v1, Part::PageRightKey, 359}, {sc2, v1, Part::RightArrow, 359},
        {sc3, v2, Part::PageLeftKey, 10}, {sc3, v2, Part::LeftArrow, 10},     {sc3, v2, Part::RightArrow, 11},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "bar row " << s.bar << " to " << s.position);
        Press(s.bar, s.part);
        ExpectBar(s.bar, s.label, s.position);
    }
    EXPECT_EQ(Text(v0), L"60") << "a move back to the start still shows the position";
    EXPECT_EQ(game_.ReadIniBytes(), before) << "moving the bars writes nothing";
    EXPECT_TRUE(platform_.boxes.empty());
}

TEST_F(CameraTest, DraggedThumbChangesTheLabelOnlyOnRelease) {
    game_.WriteIni(TypicalIni());
    const std::string before = game_.ReadIniBytes();
    StartShown();
    const std::size_t sc1 = Ctl(L"Sc1"), v0 = Ctl(L"llblV", 0);

    bool released = false;
    std::wstring labelWhileDragging;
    g_duringTracking = [&](const MSG& msg) {
        if (msg.message != WM_LBUTTONUP) return;
        released = true;
        labelWhileDragging = Text(v0);  // the move has been tracked, the release not yet
    };
    HHOOK hook = ::SetWindowsHookExW(WH_MSGFILTER, TrackingProbe, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    Press(sc1, Part::Thumb, 20);
    ::UnhookWindowsHookEx(hook);
    g_duringTracking = nullptr;

    ASSERT_TRUE(released) << "the bar did not track the drag";
    EXPECT_EQ(labelWhileDragging, L"default");
    EXPECT_GT(Position(sc1), 60);
    EXPECT_EQ(Text(v0), std::to_wstring(Position(sc1)));
    EXPECT_EQ(game_.ReadIniBytes(), before);
}

TEST_F(CameraTest, ApplyWritesTheLabelsAndResetWritesDefault) {
    game_.WriteIni(TypicalIni());  // all three keys "default"
    StartShown();
    const std::size_t sc1 = Ctl(L"Sc1");
    Press(sc1, Part::LeftTrough);
    for (int i = 0; i < 5; ++i) Press(sc1, Part::LeftArrow);
    ASSERT_EQ(Position(sc1), 45);

    Click(Ctl(L"Command7"));
    auto expected = TypicalIniWith("ViewAngle", "45");
    EXPECT_EQ(game_.ReadIniBytes(), IniBytes(expected));
    EXPECT_EQ(Text(Ctl(L"llblV", 0)), L"45");
    EXPECT_EQ(Text(Ctl(L"llblV", 1)), L"default");

    // Reset: every key and label "default", the bars stay where they are.
    Press(Ctl(L"Sc3"), Part::RightArrow);
    Click(Ctl(L"Command6"));
    EXPECT_EQ(game_.ReadIniBytes(), IniBytes(TypicalIni()));
    for (std::size_t label : {Ctl(L"llblV", 0), Ctl(L"llblV", 1), Ctl(L"llblV", 2)}) EXPECT_EQ(Text(label), L"default");
    EXPECT_EQ(Position(sc1), 45);
    EXPECT_EQ(Position(Ctl(L"Sc2")), 0);
    EXPECT_EQ(Position(Ctl(L"Sc3")), 106);
    EXPECT_TRUE(platform_.boxes.empty());
}

TEST_F(CameraTest, ApplyWithoutMovingWritesBackWhatTheRefreshShowed) {
    struct Case {
        const char* viewAngle;
        const char* rotation;
        const char* zoom;
        const char* written[3];
    };
    const Case cases[] = {
        {"60", "default", "105", {"60", "default", "105"}},
        // A bar the refresh did not move keeps the text as read; a moved one gives its position.
        {"060", "090", "default", {"060", "90", "default"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        auto lines = TypicalIniWith("ViewAngle", c.viewAngle);
        SetValue(lines, "Rotation", c.rotation);
        SetValue(lines, "Zoom", c.zoom);
        game_.WriteIni(lines);
        StartShown();
        Click(Ctl(L"Command7"));
        SetValue(lines, "ViewAngle", c.written[0]);
        SetValue(lines, "Rotation", c.written[1]);
        SetValue(lines, "Zoom", c.written[2]);
        EXPECT_EQ(game_.ReadIniBytes(), IniBytes(lines));
        EXPECT_TRUE(platform_.boxes.empty());
        app_.reset();
    }
}

}  // namespace
}  // namespace pelkor::test
