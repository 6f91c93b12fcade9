// The window as the user meets it: size, colours, fonts, keyboard order and scaling.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "form2/form2.h"
#include "launch_support.h"
#include "support/form_fixture.h"
#include "win/dpi.h"

namespace pelkor::win {
const char* NameOf(Language language) { return language == Language::Japanese ? "Japanese" : "English"; }
void PrintTo(Language language, std::ostream* out) { *out << NameOf(language); }
}  // namespace pelkor::win

namespace pelkor::test {
namespace {

class LayoutTest : public FormTest {
protected:
    void SetUp() override {
        game_.WriteIni(TypicalIni());
        StartShown();
    }

    RECT ClientRectOf(std::size_t row) {
        RECT r{};
        ::GetWindowRect(Control(row), &r);
        ::MapWindowPoints(nullptr, form().hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // The colours a control is painted with, as the window answers WM_CTLCOLOR*.
    std::pair<COLORREF, COLORREF> Colours(std::size_t row, UINT message = WM_CTLCOLORSTATIC) {
        HDC dc = ::CreateCompatibleDC(nullptr);
        ::SendMessageW(form().hwnd(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(row)));
        const std::pair colours{::GetTextColor(dc), ::GetBkColor(dc)};
        ::DeleteDC(dc);
        return colours;
    }

    LOGFONTW FontOf(std::size_t row) {
        LOGFONTW lf{};
        HFONT font = reinterpret_cast<HFONT>(::SendMessageW(Control(row), WM_GETFONT, 0, 0));
        ::GetObjectW(font, sizeof(lf), &lf);
        return lf;
    }

    // The main window's help bubble, made on the pointer's first move over the window.
    HWND MakeBubble() {
        ::SendMessageW(form().hwnd(), WM_MOUSEMOVE, 0, 0);
        ::SendMessageW(Control(Ctl(L"Command4")), WM_MOUSEMOVE, 0, 0);
        for (HWND tip : WindowsOf(::GetCurrentThreadId(), TOOLTIPS_CLASSW)) {
            if (::GetWindow(tip, GW_OWNER) == form().hwnd()) return tip;
        }
        return nullptr;
    }
    static int BubbleFontHeight(HWND bubble) {
        LOGFONTW lf{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(bubble, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        return std::abs(lf.lfHeight);
    }
};

TEST_F(LayoutTest, FixedWindowCutOffRightOfTheVisibleLayout) {
    HWND window = form().hwnd();
    const int dpi = form().Dpi();
    RECT outer{}, client{};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &client);
    EXPECT_EQ(outer.right - outer.left, win::TwipsToPixels(5790, dpi));
    EXPECT_EQ(client.bottom, win::TwipsToPixels(6705, dpi));

    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    wchar_t caption[64] = {};
    ::GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"Pelkor(ぺるこる)  v1.0a");

    // Every control is inside the part of the window that is shown.
    for (std::size_t row = 0; row < app::kForm1.size(); ++row) {
        const RECT r = ClientRectOf(row);
        EXPECT_LE(r.right, client.right) << "cut off: row " << row;
        EXPECT_EQ(::IsWindowVisible(Control(row)) != FALSE, !app::kForm1Design[row].Has(win::flag::Hidden));
    }
}

TEST_F(LayoutTest, ColoursOfTheDesign) {
    struct Case {
        std::size_t row;
        COLORREF text;
        COLORREF back;  // CLR_INVALID: the window's own
        UINT message = WM_CTLCOLORSTATIC;
    };
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const Case cases[] = {
        {Ctl(L"lblNow"), RGB(192, 192, 255), RGB(0, 0, 192)},
        {Ctl(L"lblNow9"), RGB(192, 192, 255), RGB(0, 0, 192)},
        {Ctl(L"Label4"), RGB(192, 192, 255), RGB(0, 0, 192)},
        {Ctl(L"Frame6"), RGB(0, 0, 128), face},
        {Ctl(L"Option1", 3), RGB(64, 64, 64), face},
        {Ctl(L"llblV", 1), RGB(128, 128, 255), face},
        {Ctl(L"Label2", 2), RGB(128, 128, 255), face},
        {Ctl(L"lblMes"), RGB(128, 128, 128), face},
        {Ctl(L"lblLink1"), RGB(128, 128, 128), face},
        {Ctl(L"File1"), RGB(128, 128, 255), RGB(255, 255, 255), WM_CTLCOLORLISTBOX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row);
        const auto [text, back] = Colours(c.row, c.message);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(back, c.back);
    }
    // The value labels carry a border, all but the screenshot format.
    EXPECT_TRUE(::GetWindowLongPtrW(Control(Ctl(L"lblNow3")), GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(::GetWindowLongPtrW(Control(Ctl(L"lblNow9")), GWL_STYLE) & WS_BORDER);
}

// High contrast as the system reports it: the system's pairs while it is on, for the
// controls' colours and the owner-drawn faces, both windows drawn anew; the design's again after.
TEST_F(LayoutTest, HighContrastTakesTheSystemsColoursAndGivesThemBack) {
    auto sys = [](int index) { return ::GetSysColor(index); };
    // The face of an owner-drawn button, drawn as the window draws it.
    auto face = [&](std::size_t row) {
        HWND button = Control(row);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = button;
        ::GetClientRect(button, &item.rcItem);
        HDC screen = ::GetDC(nullptr);
        item.hDC = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, item.rcItem.right, item.rcItem.bottom);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(item.hDC, bitmap);
        ::SendMessageW(form().hwnd(), WM_DRAWITEM, static_cast<WPARAM>(::GetDlgCtrlID(button)),
                       reinterpret_cast<LPARAM>(&item));
        const COLORREF colour = ::GetPixel(item.hDC, 4, 4);
        ::SelectObject(item.hDC, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(item.hDC);
        return colour;
    };
    Click(Ctl(L"Command3"));
    app::Form2* about = app_->AboutBox();
    ASSERT_NE(about, nullptr);
    HWND homeLink = about->Control(app::AboutCtl(L"Label4"));
    auto aboutColours = [&] {
        HDC dc = ::CreateCompatibleDC(nullptr);
        ::SendMessageW(about->hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(homeLink));
        const std::pair colours{::GetTextColor(dc), ::GetBkColor(dc)};
        ::DeleteDC(dc);
        return colours;
    };
    ::UpdateWindow(form().hwnd());
    ::UpdateWindow(about->hwnd());
    ASSERT_FALSE(::GetUpdateRect(Control(Ctl(L"lblNow")), nullptr, FALSE));

    platform_.highContrast = true;
    ::SendMessageW(form().hwnd(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_TRUE(::GetUpdateRect(Control(Ctl(L"lblNow")), nullptr, FALSE)) << "the main window is drawn anew";
    EXPECT_TRUE(::GetUpdateRect(homeLink, nullptr, FALSE)) << "so is the about box";
    const struct {
        std::size_t row;
        COLORREF text, back;
        UINT message = WM_CTLCOLORSTATIC;
    } pairs[] = {
        {Ctl(L"lblNow"), sys(COLOR_HIGHLIGHTTEXT), sys(COLOR_HIGHLIGHT)},
        {Ctl(L"Label4"), sys(COLOR_HIGHLIGHTTEXT), sys(COLOR_HIGHLIGHT)},
        {Ctl(L"Frame1"), sys(COLOR_BTNTEXT), sys(COLOR_BTNFACE)},
        {Ctl(L"Option1", 3), sys(COLOR_BTNTEXT), sys(COLOR_BTNFACE)},
        {Ctl(L"Label2", 2), sys(COLOR_BTNTEXT), sys(COLOR_BTNFACE)},
        {Ctl(L"lblMes"), sys(COLOR_BTNTEXT), sys(COLOR_BTNFACE)},
        {Ctl(L"lblLink1"), sys(COLOR_HOTLIGHT), sys(COLOR_BTNFACE)},
        {Ctl(L"File1"), sys(COLOR_WINDOWTEXT), sys(COLOR_WINDOW), WM_CTLCOLORLISTBOX},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(testing::Message() << "row " << pair.row);
        EXPECT_EQ(Colours(pair.row, pair.message), std::pair(pair.text, pair.back));
    }
    EXPECT_EQ(face(Ctl(L"Command1")), sys(COLOR_BTNFACE));
    EXPECT_EQ(face(Ctl(L"Command8")), sys(COLOR_BTNFACE));
    EXPECT_EQ(aboutColours(), std::pair(sys(COLOR_HOTLIGHT), sys(COLOR_BTNFACE)));

    platform_.highContrast = false;
    ::SendMessageW(form().hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(Colours(Ctl(L"lblNow")), std::pair(RGB(192, 192, 255), RGB(0, 0, 192)));
    EXPECT_EQ(Colours(Ctl(L"File1"), WM_CTLCOLORLISTBOX), std::pair(RGB(128, 128, 255), RGB(255, 255, 255)));
    EXPECT_EQ(face(Ctl(L"Command1")), RGB(192, 192, 255));
    EXPECT_EQ(face(Ctl(L"Command8")), RGB(224, 224, 224));
    EXPECT_EQ(aboutColours(), std::pair(RGB(255, 255, 255), sys(COLOR_BTNFACE)));
}

TEST_F(LayoutTest, FontsAskForJapaneseAndTheNamedFaces) {
    const LOGFONTW ui = FontOf(Ctl(L"Command1"));
    EXPECT_STREQ(ui.lfFaceName, L"ＭＳ Ｐゴシック");
    EXPECT_EQ(ui.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(ui.lfHeight, -win::PointsToPixels(9, form().Dpi()));

    const LOGFONTW title = FontOf(Ctl(L"Label1"));
    EXPECT_STREQ(title.lfFaceName, L"Arial");
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_TRUE(title.lfItalic);

    EXPECT_STREQ(FontOf(Ctl(L"Label2", 12)).lfFaceName, L"Small Fonts");
    EXPECT_STREQ(FontOf(Ctl(L"Label4")).lfFaceName, L"Small Fonts");
}

TEST_F(LayoutTest, TabWalksTheDesignedOrderStartingAtCommand1) {
    EXPECT_EQ(::GetFocus(), Control(Ctl(L"Command1")));
    // Option groups are entered at their selected button.
    const std::size_t expected[] = {
        Ctl(L"Command1"), Ctl(L"Command2"), Ctl(L"Command5"),   Ctl(L"Command8"),   Ctl(L"Sc1"),
        Ctl(L"Sc2"),      Ctl(L"Sc3"),      Ctl(L"Command6"),   Ctl(L"Command7"),   Ctl(L"Command3"),
        Ctl(L"Command4"), Ctl(L"File1"),    Ctl(L"Option2", 2), Ctl(L"Option3", 0), Ctl(L"Option4", 0),
        Ctl(L"txt12", 2), Ctl(L"txt12", 3), Ctl(L"Option1", 0), Ctl(L"Option5", 1), Ctl(L"Command9"),
        Ctl(L"lblLink1"), Ctl(L"Command1"),
    };
    HWND at = Control(Ctl(L"Command1"));
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        at = ::GetNextDlgTabItem(form().hwnd(), at, FALSE);
        EXPECT_EQ(at, Control(expected[i])) << "step " << i;
    }
}

TEST_F(LayoutTest, DoubledDpiScalesEveryControlAndFont) {
    std::vector<RECT> before;
    for (std::size_t row = 0; row < app::kForm1.size(); ++row) before.push_back(ClientRectOf(row));
    RECT outer{};
    ::GetWindowRect(form().hwnd(), &outer);
    const int from = form().Dpi();
    const int to = from * 3 / 2;
    RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                   outer.top + (outer.bottom - outer.top) * 3 / 2};
    ::SendMessageW(form().hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));

    for (std::size_t row = 0; row < app::kForm1.size(); ++row) {
        const RECT r = ClientRectOf(row);
        SCOPED_TRACE(testing::Message() << "row " << row);
        EXPECT_NEAR(r.left, before[row].left * 3 / 2, 2);
        EXPECT_NEAR(r.right - r.left, (before[row].right - before[row].left) * 3 / 2, 2);
        EXPECT_NEAR(r.bottom - r.top, (before[row].bottom - before[row].top) * 3 / 2, 2);
    }
    EXPECT_EQ(FontOf(Ctl(L"Command1")).lfHeight, -win::PointsToPixels(9, to));
}

// What Windows asks of a per-monitor window moved to a monitor of another scale, and
// Wine never does: the outer size for the new DPI (both windows), then the new DPI itself,
// which the help bubble's font follows.
TEST_F(LayoutTest, AnotherMonitorsScaleGivesTheDesignedSizesAndTheBubbleItsFont) {
    ScreenTurn turn;  // an about box of its own, beside the about-box tests
    Click(Ctl(L"Command3"));
    app::Form2* about = app_->AboutBox();
    ASSERT_NE(about, nullptr);
    const int to = form().Dpi() * 3 / 2;
    auto askedSize = [to](HWND window) {
        SIZE size{};
        EXPECT_TRUE(
            ::SendMessageW(window, win::kGetDpiScaledSize, static_cast<WPARAM>(to), reinterpret_cast<LPARAM>(&size)));
        return size;
    };
    auto outerFor = [to](HWND window, int clientWidth, int clientHeight) {
        return win::OuterSizeFor({win::TwipsToPixels(clientWidth, to), win::TwipsToPixels(clientHeight, to)},
                                 static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)),
                                 static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)), to);
    };
    // The main window: cut off at its designed outer width, its client area as high as designed.
    const SIZE main = askedSize(form().hwnd());
    EXPECT_EQ(main.cx, win::TwipsToPixels(5790, to));
    EXPECT_EQ(main.cy, outerFor(form().hwnd(), 0, 6705).cy);
    const SIZE box = askedSize(about->hwnd());
    const SIZE designedBox = outerFor(about->hwnd(), 3525, 1170);
    EXPECT_EQ(box.cx, designedBox.cx);
    EXPECT_EQ(box.cy, designedBox.cy);

    HWND bubble = MakeBubble();
    ASSERT_NE(bubble, nullptr);
    const int before = BubbleFontHeight(bubble);
    ASSERT_GT(before, 0);
    RECT outer{};
    ::GetWindowRect(form().hwnd(), &outer);
    RECT suggested{outer.left, outer.top, outer.left + main.cx, outer.top + main.cy};
    ::SendMessageW(form().hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_NEAR(BubbleFontHeight(bubble), before * 3 / 2, 1);
}

// Windows 8.1 and 10 before 1607 make the program per-monitor aware but cannot tell a
// window's own DPI: the DPI of the window's monitor, not the screen's, then sizes the
// windows and the bubble's font.
TEST_F(LayoutTest, WithoutTheWindowsOwnDpiItsMonitorsGivesTheScale) {
    HWND bubble = MakeBubble();
    ASSERT_NE(bubble, nullptr);
    const int screenFont = BubbleFontHeight(bubble);
    ASSERT_GT(screenFont, 0);
    const int monitor = win::SystemDpi() * 3 / 2;  // 144 on a screen of 96 DPI
    app_.reset();
    platform_.dpi.hasForWindow = false;
    platform_.dpi.monitorDpi = static_cast<UINT>(monitor);
    StartShown();
    EXPECT_EQ(form().Dpi(), monitor);

    ScreenTurn turn;  // an about box of its own, beside the about-box tests
    Click(Ctl(L"Command3"));
    app::Form2* about = app_->AboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Dpi(), monitor);
    RECT box{};
    ::GetWindowRect(about->hwnd(), &box);
    const SIZE designed = win::OuterSizeFor({win::TwipsToPixels(3525, monitor), win::TwipsToPixels(1170, monitor)},
                                            static_cast<DWORD>(::GetWindowLongPtrW(about->hwnd(), GWL_STYLE)),
                                            static_cast<DWORD>(::GetWindowLongPtrW(about->hwnd(), GWL_EXSTYLE)),
                                            monitor);
    EXPECT_EQ(box.right - box.left, designed.cx);
    // The frame is drawn at the screen's DPI, as Windows 8.1 draws it: the client area keeps
    // its height.
    RECT client{};
    ::GetClientRect(about->hwnd(), &client);
    EXPECT_EQ(client.bottom, win::TwipsToPixels(1170, monitor));

    bubble = MakeBubble();
    ASSERT_NE(bubble, nullptr);
    EXPECT_NEAR(BubbleFontHeight(bubble), screenFont * 3 / 2, 1);
}

// The room the system's own controls leave for their text, told from the control alone:
// its class and style, its client rectangle and its own font (selected into dc). The
// margins are those user32's controls draw with, in pixels at 96 DPI; the button control's
// as Wine's user32 button.c draws them after Windows (GB_Paint, CB_Paint, CalcLabelRect).
struct Room {
    int width, height;  // height: what the last line's letters must stand in; 0: not asked
    bool wraps;
};

// Where the first control that stands on a group box's top line begins, from the box's
// left; the line runs half a caption's height down, less a pixel (GB_Paint).
int EdgeControlStart(HWND frame, int captionHeight) {
    RECT box{};
    ::GetWindowRect(frame, &box);
    const int line = box.top + captionHeight / 2 - 1;
    int start = 0;
    for (HWND w = ::GetWindow(frame, GW_HWNDFIRST); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(w, &r);
        if (w == frame || r.left <= box.left || r.left >= box.right || r.top > line || r.bottom <= line) continue;
        if (start == 0 || r.left - box.left < start) start = r.left - box.left;
    }
    return start;
}

Room SystemRoom(HWND control, const wchar_t* kind, HDC dc, int dpi) {
    RECT client{};
    ::GetClientRect(control, &client);
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    if (::lstrcmpiW(kind, L"Static") == 0) {
        // Drawn from the client area's corner, broken at word ends unless the style says not.
        return {client.right, client.bottom, (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP};
    }
    if (::lstrcmpiW(kind, L"Edit") == 0) {
        // One line that scrolls sideways, from the top of the box's formatting rectangle.
        RECT format{};
        ::SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        return {1 << 20, client.bottom - format.top, false};
    }
    switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX: {
            // The caption starts 7 pixels in and one more as a left-aligned label, and clears
            // a pixel past its end, which comes before the control on the box's edge, or 7
            // pixels before the box's right side.
            TEXTMETRICW tm{};
            ::GetTextMetricsW(dc, &tm);
            const int end = EdgeControlStart(control, tm.tmHeight);
            return {(end ? end : client.right - 7) - 7 - 1 - 1, 0, false};
        }
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: {
            // The circle, 12 pixels and one; half a "0" of the font; the label's one-pixel
            // nudge, and the focus rectangle's pixel past its end.
            INT zero = 0;
            ::GetCharWidth32W(dc, L'0', L'0', &zero);
            return {client.right - (::MulDiv(12, dpi, 96) + 1) - zero / 2 - 1 - 1, 0, false};
        }
        default:
            // A push button: its raised edge (SM_CXEDGE, 2 pixels) and the focus rectangle's
            // line inside it (SPI_GETFOCUSBORDERWIDTH, 1 pixel), each side.
            return {client.right - 2 * ::MulDiv(2 + 1, dpi, 96), 0, false};
    }
}

class CaptionFitTest : public LayoutTest, public testing::WithParamInterface<win::Language> {
protected:
    void SetUp() override {
        language_ = GetParam();
        LayoutTest::SetUp();
    }
};

// Whatever face the system gives for the designed one, every caption of either rendition
// shows whole: each control's text, measured with the font the control really has, stays
// inside the room the system's control leaves for it, at 96 DPI and at one and a half times that.
TEST_P(CaptionFitTest, EveryCaptionAndHelpTextFitsItsRoomInTheFontsThisSystemHas) {
    // The longest values the labels show.
    std::vector<std::string> ini = TypicalIni();
    for (std::string& line : ini) {
        if (line == "Length=600") line = "Length=30000";
        if (line == "FrameStep=5") line = "FrameStep=30";
        if (line == "ScreenshotWidth=640") line = "ScreenshotWidth=1024";
        if (line == "ScreenshotHeight=480") line = "ScreenshotHeight=768";
    }
    game_.WriteIni(ini);
    form().Refresh();
    // An about box of its own, which must not come and go beside the about-box tests.
    ScreenTurn turn;
    Click(Ctl(L"Command3"));
    app::Form2* about = app_->AboutBox();
    ASSERT_NE(about, nullptr);

    auto expectFits = [](HWND control, int dpi) {
        wchar_t kind[16] = {};
        ::GetClassNameW(control, kind, 16);
        const bool button = ::lstrcmpiW(kind, L"Button") == 0;
        std::wstring text = WindowText(control);
        // A frame's trailing blanks run on under the control on its edge.
        if (button && (::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
            text.erase(text.find_last_not_of(L" \u3000") + 1);
        }
        if (text.empty() || (!button && ::lstrcmpiW(kind, L"Static") != 0 && ::lstrcmpiW(kind, L"Edit") != 0)) return;
        HDC dc = ::GetDC(control);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        const Room room = SystemRoom(control, kind, dc, dpi);
        RECT lines{0, 0, room.width, 0};
        ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &lines,
                    DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (room.wraps ? DT_WORDBREAK : DT_SINGLELINE));
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc, &tm);
        ::SelectObject(dc, old);
        ::ReleaseDC(control, dc);

        SCOPED_TRACE(testing::Message() << testing::PrintToString(text) << " at " << dpi << " DPI");
        EXPECT_LE(lines.right, room.width);
        if (room.height > 0) {
            // The last line's letters stand inside the control.
            const int count = std::max(1, static_cast<int>((lines.bottom + tm.tmHeight - 1) / tm.tmHeight));
            EXPECT_LE((count - 1) * tm.tmHeight + tm.tmAscent, room.height);
        }
    };
    const int dpis[] = {form().Dpi(), form().Dpi() * 3 / 2};
    for (const int dpi : dpis) {
        for (win::FormWindow* window : {static_cast<win::FormWindow*>(&form()), static_cast<win::FormWindow*>(about)}) {
            if (window->Dpi() != dpi) {
                RECT outer{};
                ::GetWindowRect(window->hwnd(), &outer);
                ::SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&outer));
            }
            for (HWND c = ::GetWindow(window->hwnd(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) expectFits(c, dpi);
        }
        // Every help text, as the pointer over its area puts it into the message line.
        const std::size_t areas[] = {Ctl(L"Frame1"), Ctl(L"Frame2"), Ctl(L"Frame3"), Ctl(L"Frame4"),
                                     Ctl(L"Frame5"), Ctl(L"Frame7"), Ctl(L"Frame9"), Ctl(L"Option1", 4)};
        ::SendMessageW(form().hwnd(), WM_MOUSEMOVE, 0, 0);
        expectFits(Control(Ctl(L"lblMes")), dpi);
        for (const std::size_t area : areas) {
            ::SendMessageW(Control(area), WM_MOUSEMOVE, 0, 0);
            expectFits(Control(Ctl(L"lblMes")), dpi);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothRenditions, CaptionFitTest,
                         testing::Values(win::Language::Japanese, win::Language::English),
                         [](const testing::TestParamInfo<win::Language>& tested) { return win::NameOf(tested.param); });

TEST_F(LayoutTest, ClosingTheWindowWritesNothingAndEndsTheProgram) {
    const std::string before = game_.ReadIniBytes();
    ::SendMessageW(form().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form().IsAlive());
    EXPECT_EQ(platform_.endings, std::vector<int>{0});
    EXPECT_EQ(game_.ReadIniBytes(), before);
    EXPECT_TRUE(platform_.boxes.empty());
}

}  // namespace
}  // namespace pelkor::test
