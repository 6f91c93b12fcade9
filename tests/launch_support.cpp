#include "launch_support.h"

namespace pelkor::test {

void ShownFormTest::SetUp() {
    { ScreenTurn parked; }
    game_.WriteIni(TypicalIni());
    StartShown();
}

app::Form2* ShownFormTest::OpenAboutBox() {
    Click(Ctl(L"Command3"));
    app::Form2* box = app_->AboutBox();
    return box && box->IsAlive() ? box : nullptr;
}

LinkLook LookOf(HWND label) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SendMessageW(::GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(label));
    const COLORREF text = ::GetTextColor(dc);
    ::DeleteDC(dc);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return {text, font.lfUnderline != 0};
}

namespace {

void ParkPointer() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
}

}  // namespace

ScreenTurn::ScreenTurn() : turn_(::CreateMutexW(nullptr, FALSE, L"PelkorTestsScreenTurn")) {
    // An abandoned turn (a test program that died holding it) is a turn all the same.
    if (turn_) ::WaitForSingleObject(turn_.get(), 60000);
    ParkPointer();
}

ScreenTurn::~ScreenTurn() {
    ParkPointer();
    if (turn_) ::ReleaseMutex(turn_.get());
}

bool InFrontOf(HWND front, HWND back) {
    for (HWND w = ::GetWindow(front, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (w == back) return true;
    }
    return false;
}

namespace {

struct ClassSearch {
    const wchar_t* className;
    std::vector<HWND> found;
};

// A named function rather than a lambda: 32-bit Windows calls it as stdcall.
BOOL CALLBACK CollectOfClass(HWND window, LPARAM data) {
    auto& s = *reinterpret_cast<ClassSearch*>(data);
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    if (::lstrcmpW(name, s.className) == 0) s.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOf(DWORD thread, const wchar_t* className) {
    ClassSearch search{className, {}};
    ::EnumThreadWindows(thread, CollectOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildWithText(HWND window, const wchar_t* caption) { return ::FindWindowExW(window, nullptr, nullptr, caption); }

bool PostClick(HWND control) {
    if (!control) return false;
    wchar_t kind[16] = {};
    ::GetClassNameW(control, kind, 16);
    if (::lstrcmpiW(kind, L"BUTTON") == 0) return ::PostMessageW(control, BM_CLICK, 0, 0);
    return ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)) &&
           ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

std::wstring BuiltProgram(const wchar_t* name) {
    const std::wstring pelkor = driver::BuiltExe();
    return pelkor.substr(0, pelkor.find_last_of(L'\\') + 1) + name;
}

HWND StartShown(PelkorProcess& pelkor, const GameFolder& game, const std::wstring& startedIn) {
    game.WriteIni(TypicalIni());
    pelkor.Launch(game.path(), startedIn);
    return pelkor.WaitForMainWindow();
}

HWND WaitForWindowOf(const PelkorProcess& pelkor, const wchar_t* className) {
    HWND window = nullptr;
    WaitFor([&] { return (window = pelkor.FindWindowOfClass(className)) != nullptr || !pelkor.Running(); });
    return window;
}

}  // namespace pelkor::test
