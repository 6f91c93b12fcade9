// The main window as a window: its creation, its controls and the messages they send.
#include "form1/form1.h"

#include <algorithm>
#include <vector>

#include "resource.h"
#include "win/dpi.h"
#include "win/owner_draw.h"

namespace pelkor::app {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

}  // namespace

Form1::Form1(platform::Host& host)
    : FormWindow(kForm1, Ctl(L"lblLink1"), host.language(), host.colours(), host.platform().Dpi()), host_(host) {}

Form1::~Form1() { Destroy(); }

void Form1::Load() {
    RegisterWindowClass(kClassName);
    // Made where it will show, at the size it will have, so that neither changes once it
    // holds its controls. The DPI is the screen's until the window has its own: where
    // they differ, the window is sized again before its controls come.
    const SIZE size = OuterSize(win::SystemDpi());
    const POINT at = win::CentredOnPrimaryMonitor(size);
    const RECT place{at.x, at.y, at.x + size.cx, at.y + size.cy};
    if (!CreateHidden(kClassName, std::wstring(kForm1Caption.In(TextLanguage())).c_str(), kStyle, kExStyle, &place))
        return;
    icon_ = win::LoadExeIcon(IDI_PROGRAM, 32, 32);
    smallIcon_ = win::LoadExeIcon(IDI_PROGRAM, 16, 16);
    ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    Form_Load();
}

void Form1::Show() {
    if (!IsAlive()) return;
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    ::SetFocus(controls_[Ctl(L"Command1")]);
}

bool Form1::PreTranslateMessage(MSG& msg) {
    if (!IsAlive()) return false;
    if (msg.message == WM_KEYDOWN && ChooseOptionByArrow(msg.hwnd, msg.wParam)) return true;
    return ::IsDialogMessageW(hwnd(), &msg);
}

// ---------------------------------------------------------------------------
// The window.

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (EnterOpensLink(wParam, lParam)) return 0;
            if (lParam) {
                OnCommand(RowOf(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
            } else if (LOWORD(wParam) == IDOK) {
                // Enter presses the focused push button, as the space bar does; in a replay box it
                // applies what was typed, as Command5 beside it does.
                const std::size_t row = RowOf(::GetFocus());
                if (row >= kForm1.size()) return 0;
                const Kind kind = kForm1Design[row].kind;
                if (kind == Kind::Button) OnClick(row);
                if (kind == Kind::Edit) Command5_Click();
            }
            return 0;
        case WM_HSCROLL:
            if (lParam) OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_MOUSEMOVE: Form_MouseMove(); return 0;
        default: return FormWindow::HandleMessage(message, wParam, lParam);
    }
}

std::optional<LRESULT> Form1::HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::size_t row = RowOf(control);
    if (row >= kForm1.size()) return std::nullopt;
    const Kind kind = kForm1Design[row].kind;
    const bool isStatic = kind == Kind::Label || kind == Kind::ValueLabel || kind == Kind::Link ||
                          kind == Kind::Picture;
    switch (message) {
        case WM_NCHITTEST:
            // Frames and labels answer for their own area, so the pointer over them
            // never counts as over the window's surface or the frame beneath.
            if (kind == Kind::Frame || isStatic) return HTCLIENT;
            break;
        case WM_MOUSEMOVE: OnControlMouseMove(row); break;
        case WM_SETFOCUS:
            // Only a move from another control: the focus that the window is given when it
            // shows or comes back to the front leaves the line as it was.
            if (::IsChild(hwnd(), reinterpret_cast<HWND>(wParam))) OnControlFocus(row);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
            // A group box would take the focus on a click.
            if (kind == Kind::Frame) return 0;
            break;
        case WM_ERASEBKGND:
            // A group box leaves its inside to the parent, which clips its children:
            // the frame fills its own inside with the window's colour.
            if (kind == Kind::Frame) {
                RECT r{};
                ::GetClientRect(control, &r);
                ::FillRect(reinterpret_cast<HDC>(wParam), &r, ::GetSysColorBrush(COLOR_BTNFACE));
                return TRUE;
            }
            break;
        default: break;
    }
    return FormWindow::HandleControlMessage(control, message, wParam, lParam);
}

void Form1::OnDestroyed() { host_.WindowClosed(); }

SIZE Form1::OuterSize(int dpi) {
    // The outer width cuts the window off right of the visible layout; the height
    // stays as designed.
    const SIZE designed =
        win::OuterSizeFor({win::TwipsToPixels(kDesignClientWidth, dpi), win::TwipsToPixels(kDesignClientHeight, dpi)},
                          kStyle, kExStyle, dpi);
    return {win::TwipsToPixels(kShownOuterWidth, dpi), designed.cy};
}

void Form1::CreateControls() {
    // Where the window's DPI is not the screen's it was made at, it takes its size and
    // place again now, before it holds controls: resized after, it would move the
    // clipping of every one of them.
    const SIZE size = OuterSize(dpi_);
    RECT r{};
    ::GetWindowRect(hwnd(), &r);
    if (r.right - r.left != size.cx || r.bottom - r.top != size.cy) {
        const POINT at = win::CentredOnMonitor(hwnd(), size);
        ::SetWindowPos(hwnd(), nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    KeepClientHeight();
    // Every control costs the window server a few requests, so each gets its final
    // style, place and order at creation and is touched as little as possible after.
    std::wstring_view previousOptionGroup;
    for (const std::size_t row : win::ZOrder(kForm1)) {
        const ControlRow& entry = kForm1Design[row];
        // Each option group, and every control after one, starts a group for the arrow keys.
        const bool continuesGroup = entry.kind == Kind::Option && entry.name == previousOptionGroup;
        HWND control = AddControl(row, !continuesGroup);
        previousOptionGroup = entry.kind == Kind::Option ? entry.name : std::wstring_view{};
        if (entry.kind == Kind::Option && entry.Has(flag::Selected))
            ::SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        if (entry.kind == Kind::ScrollBar) {
            // Range and place in one call: as two calls they cost Wine some 2.5 ms of start-up
            // for the three bars, against a tenth of that now.
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_RANGE | SIF_POS;
            info.nMin = entry.range.min;
            info.nMax = entry.range.max;
            info.nPos = entry.range.start;
            ::SetScrollInfo(control, SB_CTL, &info, FALSE);
        }
    }
}

void Form1::OnCommand(std::size_t row, UINT code) {
    if (row >= kForm1.size()) return;
    switch (kForm1Design[row].kind) {
        case Kind::Option:
            if (code == BN_CLICKED) {
                SelectOption(kForm1Design[row].name, kForm1Design[row].index);
                OnClick(row);
            }
            break;
        case Kind::Button:
            if (code == BN_CLICKED) OnClick(row);
            break;
        case Kind::FileList:
            if (code == LBN_SELCHANGE) File1_Click();
            break;
        case Kind::Link:
            if (code == STN_CLICKED) OnClick(row);
            break;
        default: break;
    }
}

void Form1::OnClick(std::size_t row) {
    const ControlRow& entry = kForm1Design[row];
    const auto index = static_cast<short>(entry.index);
    if (entry.name == L"Option1") return Option1_Click(index);
    if (entry.name == L"Option2") return Option2_Click(index);
    if (entry.name == L"Option3") return Option3_Click(index);
    if (entry.name == L"Option4") return Option4_Click(index);
    if (entry.name == L"Option5") return Option5_Click(index);
    switch (row) {
        case Ctl(L"Command1"): return Command1_Click();
        case Ctl(L"Command2"): return Command2_Click();
        case Ctl(L"Command3"): return Command3_Click();
        case Ctl(L"Command4"): return Command4_Click();
        case Ctl(L"Command5"): return Command5_Click();
        case Ctl(L"Command6"): return Command6_Click();
        case Ctl(L"Command7"): return Command7_Click();
        case Ctl(L"Command8"): return Command8_Click();
        case Ctl(L"Command9"): return Command9_Click();
        case Ctl(L"lblLink1"): return lblLink1_Click();
        default: return;
    }
}

void Form1::OnScroll(HWND bar, UINT code) {
    const std::size_t row = RowOf(bar);
    if (row >= kForm1.size()) return;
    const ScrollRange& range = kForm1Design[row].range;
    const int current = ScrollPosition(row);
    int next = current;
    switch (code) {
        case SB_LINELEFT: next -= 1; break;
        case SB_LINERIGHT: next += 1; break;
        case SB_PAGELEFT: next -= 10; break;
        case SB_PAGERIGHT: next += 10; break;
        case SB_LEFT: next = range.min; break;
        case SB_RIGHT: next = range.max; break;
        case SB_THUMBPOSITION: {
            // Only the release of a dragged thumb counts; while dragging nothing changes.
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            ::GetScrollInfo(bar, SB_CTL, &info);
            next = info.nTrackPos;
            break;
        }
        default: return;
    }
    SetScrollPosition(row, std::clamp(next, range.min, range.max));
}

// The system's dialog manager only moves the focus on an arrow key here: Wine clicks
// automatic options alone, and Windows clicks an option that gets the focus while it is
// not yet checked. So the arrow is taken before the dialog manager sees it, the option is
// checked before it gets the focus, and its click is sent once, here: one write per key
// on both systems.
bool Form1::ChooseOptionByArrow(HWND from, WPARAM key) {
    const bool back = key == VK_UP || key == VK_LEFT;
    if (!back && key != VK_DOWN && key != VK_RIGHT) return false;
    const std::size_t row = RowOf(from);
    if (row >= kForm1.size() || kForm1Design[row].kind != Kind::Option) return false;
    // The group's next option, wrapping round at its end, as the dialog manager finds it.
    HWND next = ::GetNextDlgGroupItem(hwnd(), from, back);
    const std::size_t nextRow = RowOf(next);
    if (nextRow >= kForm1.size() || nextRow == row) return true;
    ::SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SelectOption(kForm1Design[nextRow].name, kForm1Design[nextRow].index);
    ::SetFocus(next);
    ::SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(next), BN_CLICKED), reinterpret_cast<LPARAM>(next));
    return true;
}

void Form1::OnSystemChange(bool colours) { host_.SystemChanged(colours); }

void Form1::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const std::size_t row = RowOf(item.hwndItem);
    if (row >= kForm1.size()) return;
    const ControlRow& entry = kForm1Design[row];
    if (entry.kind == Kind::Button) {
        const COLORREF face = ColoursOf(row).back;
        win::DrawFacedButton(item, face, brushes_.Get(face));
    } else if (entry.kind == Kind::Picture) {
        const RECT& r = item.rcItem;
        if (!mascot_) mascot_ = win::LoadExeIcon(entry.image, r.right - r.left, r.bottom - r.top);
        win::DrawPicture(item, mascot_.get());
    }
}

}  // namespace pelkor::app
