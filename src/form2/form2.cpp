#include "form2/form2.h"

#include "core/web_pages.h"
#include "win/dpi.h"
#include "win/owner_draw.h"

namespace pelkor::app {
namespace {

// A small caption with only a close box, a border that cannot be dragged, and no
// place in the task bar.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

Form2::Form2(platform::Host& host)
    : FormWindow(kForm2, AboutCtl(L"Label4"), host.language(), host.colours(), host.platform().Dpi()), host_(host) {}

Form2::~Form2() { Destroy(); }

void Form2::Open() {
    if (!IsAlive() && !Create()) return;
    ::ShowWindow(hwnd(), SW_SHOW);
    // In front of the main window even where the system refuses to hand over the focus.
    ::BringWindowToTop(hwnd());
    ::SetForegroundWindow(hwnd());
}

bool Form2::PreTranslateMessage(MSG& msg) { return IsAlive() && ::IsDialogMessageW(hwnd(), &msg); }

void Form2::Form_MouseMove() {
    // Only the box's own background puts the link back to rest.
    SetLinkLook(false);
}

void Form2::Label4_MouseMove() { SetLinkLook(true); }

void Form2::Label4_Click() { platform::OpenPage(host_.platform(), hwnd(), core::kHomePage, TextLanguage()); }

bool Form2::Create() {
    RegisterWindowClass(kClassName);
    // Made centred on the main window's monitor, at the size its DPI gives: where the
    // system put it, it would open on the primary monitor.
    HWND main = host_.MainWindowHandle();
    SIZE outer = DesignedOuterSize(win::DpiOf(main, dpiFunctions()));
    POINT at = win::CentredOnMonitor(main, outer);
    const RECT place{at.x, at.y, at.x + outer.cx, at.y + outer.cy};
    if (!CreateHidden(kClassName, std::wstring(kForm2Caption.In(TextLanguage())).c_str(), kStyle, kExStyle, &place)) {
        return false;
    }
    // The box has the DPI of the monitor it was made on; where that is not the main
    // window's, it takes the size of its own.
    outer = DesignedOuterSize(dpi_);
    if (outer.cx != place.right - place.left || outer.cy != place.bottom - place.top) {
        at = win::CentredOnMonitor(main, outer);
        ::SetWindowPos(hwnd(), nullptr, at.x, at.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    KeepClientHeight();
    return true;
}

SIZE Form2::DesignedOuterSize(int dpi) const {
    return win::OuterSizeFor({win::TwipsToPixels(kForm2ClientWidth, dpi), win::TwipsToPixels(kForm2ClientHeight, dpi)},
                             kStyle, kExStyle, dpi);
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (EnterOpensLink(wParam, lParam)) return 0;
            if (reinterpret_cast<HWND>(lParam) == controls_[AboutCtl(L"Label4")] && HIWORD(wParam) == STN_CLICKED) {
                Label4_Click();
            } else if (!lParam && LOWORD(wParam) == IDCANCEL) {
                ::SendMessageW(hwnd(), WM_CLOSE, 0, 0);  // Esc closes the box, as its close box does
            }
            return 0;
        case WM_MOUSEMOVE: Form_MouseMove(); return 0;
        default: return FormWindow::HandleMessage(message, wParam, lParam);
    }
}

std::optional<LRESULT> Form2::HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::size_t row = RowOf(control);
    if (row >= kForm2.size()) return std::nullopt;
    switch (message) {
        case WM_NCHITTEST:
            // Every control answers for its own area: the pointer over a label or the
            // picture is not over the background and leaves the link as it is.
            return HTCLIENT;
        case WM_MOUSEMOVE:
            if (row == AboutCtl(L"Label4")) Label4_MouseMove();
            break;
        default: break;
    }
    return FormWindow::HandleControlMessage(control, message, wParam, lParam);
}

void Form2::OnDestroyed() { host_.WindowClosed(); }

void Form2::CreateControls() {
    for (std::size_t row = 0; row < kForm2.size(); ++row) AddControl(row);
}

void Form2::OnSystemChange(bool colours) { host_.SystemChanged(colours); }

void Form2::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const std::size_t row = RowOf(item.hwndItem);
    if (row != AboutCtl(L"Picture1")) return;
    const RECT& r = item.rcItem;
    if (!icon_) icon_ = win::LoadExeIcon(kForm2Design[row].image, r.right - r.left, r.bottom - r.top);
    win::DrawPicture(item, icon_.get());
}

}  // namespace pelkor::app
