// The help line and the palette link under the mouse pointer.
#include <windows.h>
#include <commctrl.h>

#include "launch_support.h"
#include "support/expected_messages.h"

namespace pelkor::test {
namespace {

// The size of every tool structure sent to a tooltip control of this thread.
std::vector<UINT>& ToolSizesSent() {
    static std::vector<UINT> sizes;
    return sizes;
}

LRESULT CALLBACK RecordToolSizes(int code, WPARAM wParam, LPARAM lParam) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent.message == TTM_ADDTOOLW) {
        ToolSizesSent().push_back(reinterpret_cast<const TTTOOLINFOW*>(sent.lParam)->cbSize);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

constexpr LinkLook kLinkAtRest{RGB(128, 128, 128), false};
constexpr LinkLook kLinkLit{RGB(0, 0, 255), true};

class HoverTest : public ShownFormTest {
protected:
    using ShownFormTest::MoveOver;
    void MoveOver(std::size_t row) { MoveOver(Control(row)); }
    void MoveOverSurface() { MoveOver(form().hwnd()); }
    std::wstring Message() { return Text(Ctl(L"lblMes")); }
    LinkLook Link() { return LookOf(Control(Ctl(L"lblLink1"))); }

    // A point of the window's client area where the control is the topmost child, or
    // where no child lies when row is past the table.
    POINT PointOf(std::size_t row) {
        HWND wanted = row < app::kForm1.size() ? Control(row) : form().hwnd();
        RECT area{};
        ::GetClientRect(form().hwnd(), &area);
        if (row < app::kForm1.size()) {
            ::GetWindowRect(wanted, &area);
            ::MapWindowPoints(nullptr, form().hwnd(), reinterpret_cast<POINT*>(&area), 2);
        }
        for (LONG y = area.top + 3; y < area.bottom - 1; y += 2) {
            for (LONG x = area.left + 3; x < area.right - 1; x += 2) {
                if (::ChildWindowFromPointEx(form().hwnd(), {x, y}, CWP_SKIPINVISIBLE) == wanted) return {x, y};
            }
        }
        ADD_FAILURE() << "no free point for row " << row;
        return {0, 0};
    }
};

TEST_F(HoverTest, EachAreaPutsItsOwnTextIntoTheMessageLine) {
    const struct {
        std::size_t row;
        const wchar_t* text;
    } areas[] = {
        {Ctl(L"Frame1"), kPalette}, {Ctl(L"Frame2"), kReplay},  {Ctl(L"Frame3"), kScreenshot},
        {Ctl(L"Frame4"), kCamera},  {Ctl(L"Frame5"), kPreview}, {Ctl(L"Frame7"), kSmoother},
        {Ctl(L"Frame9"), kTyres},
    };
    for (const auto& area : areas) {
        SCOPED_TRACE(area.row);
        MoveOver(area.row);
        EXPECT_EQ(Message(), area.text);
        MoveOverSurface();
        EXPECT_EQ(Message(), kGeneral);
    }
    for (int index = 0; index <= 8; ++index) {
        SCOPED_TRACE(index);
        MoveOver(Row(L"Option1", index));
        EXPECT_EQ(Message(), kVideoMemory);
        MoveOverSurface();
    }
}

TEST_F(HoverTest, EveryOtherControlLeavesTheTextAndTheLinkAsTheyWere) {
    MoveOver(Ctl(L"lblLink1"));
    MoveOver(Ctl(L"Frame3"));
    ASSERT_EQ(Message(), kScreenshot);
    ASSERT_EQ(Link(), kLinkLit);
    for (std::size_t row = 0; row < app::kForm1.size(); ++row) {
        const auto& entry = app::kForm1Design[row];
        const bool reacts = (entry.kind == win::Kind::Frame && entry.name != L"Frame6") || entry.name == L"Option1" ||
                            entry.name == L"lblLink1";
        if (reacts || entry.Has(win::flag::Hidden)) continue;
        SCOPED_TRACE(std::wstring(entry.name) + L"(" + std::to_wstring(entry.index) + L")");
        MoveOver(row);
        EXPECT_EQ(Message(), kScreenshot);
        EXPECT_EQ(Link(), kLinkLit);
    }
}

TEST_F(HoverTest, PaletteLinkLightsUpAndOnlyThePaletteFrameRestoresIt) {
    EXPECT_EQ(Link(), kLinkAtRest);
    MoveOver(Ctl(L"Frame1"));
    MoveOver(Ctl(L"lblLink1"));
    EXPECT_EQ(Link(), kLinkLit);
    EXPECT_EQ(Message(), kPalette) << "the link keeps the text of the frame crossed on the way";

    // Leaving so fast that the frame sees no move: the link stays lit.
    MoveOverSurface();
    EXPECT_EQ(Message(), kGeneral);
    EXPECT_EQ(Link(), kLinkLit);
    MoveOver(Ctl(L"Frame3"));
    EXPECT_EQ(Link(), kLinkLit);

    MoveOver(Ctl(L"Frame1"));
    EXPECT_EQ(Link(), kLinkAtRest);
    EXPECT_EQ(Message(), kPalette);
    MoveOver(Ctl(L"Frame1"));
    EXPECT_EQ(Link(), kLinkAtRest);
}

// The help bubble of a button: it comes only after the pointer has rested, below the
// pointer, and goes on a press (not to come back until the pointer has left) and when
// the pointer leaves the window without a word to it.
TEST_F(HoverTest, HelpBubbleComesAfterARestAndGoesOnAPressOrWhenThePointerLeaves) {
    ScreenTurn turn;
    HWND window = form().hwnd();
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const win::Tooltip& tips = form().tooltips();
    HWND button = Control(Ctl(L"Command4"));
    EXPECT_EQ(tips.TextOf(button), L"このアプリを終了しGeneRallyを起動します");
    EXPECT_EQ(tips.TextOf(Control(Ctl(L"Command3"))), L"");
    POINT on = PointOf(Ctl(L"Command4"));
    ::ClientToScreen(window, &on);
    POINT off = PointOf(app::kForm1.size());
    ::ClientToScreen(window, &off);
    // Under load Wine may replay an earlier position of the pointer after a later one
    // was set: the pointer is put back where the test wants it while it waits.
    auto holdAt = [](POINT at, auto done, std::chrono::milliseconds limit) {
        return WaitFor([&] { return ::SetCursorPos(at.x, at.y), done(); }, limit);
    };
    auto shown = [&] { return tips.ShownBubble() != nullptr; };
    auto hidden = [&] { return !shown(); };
    const auto settle = std::chrono::milliseconds(150);

    // The pointer comes to the button from the window's surface, as a hand would move it.
    holdAt(
        off, [] { return false; }, settle);
    holdAt(
        on, [] { return false; }, settle);
    MoveOver(button);
    EXPECT_FALSE(shown()) << "not before the pointer has rested";
    ASSERT_TRUE(holdAt(on, shown, std::chrono::seconds(3)));
    RECT bubble{};
    ::GetWindowRect(tips.ShownBubble(), &bubble);
    EXPECT_GT(bubble.top, on.y);
    EXPECT_GT(bubble.right - bubble.left, bubble.bottom - bubble.top);

    ::SendMessageW(button, WM_RBUTTONDOWN, 0, MAKELPARAM(1, 1));
    EXPECT_FALSE(shown());
    MoveOver(button);
    EXPECT_FALSE(holdAt(on, shown, std::chrono::milliseconds(1500))) << "a press answers it for this visit";

    holdAt(
        off, [] { return false; }, settle);
    MoveOverSurface();
    holdAt(
        on, [] { return false; }, settle);
    MoveOver(button);
    ASSERT_TRUE(holdAt(on, shown, std::chrono::seconds(3)));
    // Out of the window, which then hears nothing of the pointer.
    EXPECT_TRUE(holdAt(POINT{0, 0}, hidden, std::chrono::seconds(2)));
}

// The common controls before version 6, which the program uses, refuse a tool
// structure larger than its second form, and the bubble would never show (Wine takes it).
TEST_F(HoverTest, HelpBubblesAreAddedInTheFormTheCommonControlsAccept) {
    ToolSizesSent().clear();
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, RecordToolSizes, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    MoveOverSurface();
    MoveOver(Ctl(L"Command4"));  // the first real move makes the tooltip control
    ::UnhookWindowsHookEx(hook);
    std::size_t tools = 0;
    for (const auto& entry : app::kForm1Design) tools += entry.tooltip.empty() ? 0u : 1u;
    ASSERT_GT(tools, 0u);
    ASSERT_EQ(ToolSizesSent().size(), tools);
    for (const UINT size : ToolSizesSent()) EXPECT_EQ(size, TTTOOLINFOW_V2_SIZE);
}

// USER32 gives a mouse move to the control it finds by hit testing: a group box and
// a plain label would let the pointer fall through to what lies beneath.
TEST_F(HoverTest, EveryControlAnswersForItsOwnArea) {
    ScreenTurn turn;
    HWND window = form().hwnd();
    // Above every other window, so the screen point is really ours.
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (std::size_t row = 0; row < app::kForm1.size(); ++row) {
        if (app::kForm1Design[row].Has(win::flag::Hidden)) continue;
        SCOPED_TRACE(std::wstring(app::kForm1Design[row].name) + L"(" + std::to_wstring(app::kForm1Design[row].index) +
                     L")");
        POINT at = PointOf(row);
        ::ClientToScreen(window, &at);
        EXPECT_EQ(::WindowFromPoint(at), Control(row));
    }
    POINT surface = PointOf(app::kForm1.size());
    ::ClientToScreen(window, &surface);
    EXPECT_EQ(::WindowFromPoint(surface), window);
}

}  // namespace
}  // namespace pelkor::test
