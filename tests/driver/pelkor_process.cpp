#include "driver/pelkor_process.h"

#include <fstream>
#include <vector>

#include "form1/form1_design.h"

namespace pelkor::driver {
namespace {

struct Search {
    DWORD pid;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK FindOfProcess(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    if (owner == search.pid && ::IsWindowVisible(hwnd) && ::lstrcmpW(name, search.className) == 0) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The pointer goes to the place first, then the buttons act where it is: the same
// input a user's mouse gives, without scaling to absolute input units.
void SendMouse(DWORD flags, POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    ::Sleep(30);  // the move reaches the other process before the button does
    if (flags == MOUSEEVENTF_MOVE) return;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

void PressKey(WORD vk) {
    SendKey(vk, false);
    SendKey(vk, true);
}

void TypeCharacter(wchar_t c) {
    INPUT input[2] = {};
    for (int i = 0; i < 2; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wScan = c;
        input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    ::SendInput(2, input, sizeof(INPUT));
}

// Lets the other process handle what was sent before the next step reads anything.
void Settle() { ::Sleep(60); }

std::vector<BYTE> Pixels(HDC dc, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<BYTE> pixels(static_cast<std::size_t>(width * height * 4));
    HBITMAP bitmap = static_cast<HBITMAP>(::GetCurrentObject(dc, OBJ_BITMAP));
    ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

// Which standard icon a message box shows: its icon is drawn in this process on two
// backgrounds, and the pixels that do not depend on the background are compared with
// the screen.
Icon ReadIcon(HWND box) {
    HWND iconStatic = nullptr;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        ::GetClassNameW(child, name, 16);
        if (::lstrcmpiW(name, L"Static") == 0 && (::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            ::IsWindowVisible(child)) {
            iconStatic = child;
        }
    }
    if (!iconStatic) return Icon::None;

    const int size = ::GetSystemMetrics(SM_CXICON);
    RECT r{};
    ::GetWindowRect(iconStatic, &r);
    HDC screen = ::GetDC(nullptr);
    HDC shot = ::CreateCompatibleDC(screen);
    HBITMAP shotBitmap = ::CreateCompatibleBitmap(screen, size, size);
    ::SelectObject(shot, shotBitmap);
    ::BitBlt(shot, 0, 0, size, size, screen, r.left, r.top, SRCCOPY);
    const std::vector<BYTE> seen = Pixels(shot, size, size);

    const std::pair<Icon, LPCWSTR> candidates[] = {{Icon::Stop, IDI_HAND},
                                                   {Icon::Exclamation, IDI_EXCLAMATION},
                                                   {Icon::Information, IDI_ASTERISK},
                                                   {Icon::Question, IDI_QUESTION}};
    Icon result = Icon::Unknown;
    for (const auto& [kind, id] : candidates) {
        std::vector<BYTE> drawn[2];
        const COLORREF backgrounds[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
        for (int i = 0; i < 2; ++i) {
            HDC dc = ::CreateCompatibleDC(screen);
            HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size, size);
            ::SelectObject(dc, bitmap);
            RECT all{0, 0, size, size};
            HBRUSH brush = ::CreateSolidBrush(backgrounds[i]);
            ::FillRect(dc, &all, brush);
            ::DeleteObject(brush);
            ::DrawIconEx(dc, 0, 0, ::LoadIconW(nullptr, id), size, size, 0, nullptr, DI_NORMAL);
            drawn[i] = Pixels(dc, size, size);
            ::DeleteDC(dc);
            ::DeleteObject(bitmap);
        }
        int compared = 0, equal = 0;
        for (std::size_t p = 0; p < seen.size(); p += 4) {
            if (drawn[0][p] != drawn[1][p] || drawn[0][p + 1] != drawn[1][p + 1] || drawn[0][p + 2] != drawn[1][p + 2])
                continue;  // shows the background through
            ++compared;
            if (drawn[0][p] == seen[p] && drawn[0][p + 1] == seen[p + 1] && drawn[0][p + 2] == seen[p + 2]) ++equal;
        }
        if (compared > 50 && equal * 100 >= compared * 95) {
            result = kind;
            break;
        }
    }
    ::DeleteDC(shot);
    ::DeleteObject(shotBitmap);
    ::ReleaseDC(nullptr, screen);
    return result;
}

POINT CentreOf(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return {(r.right - r.left) / 2, (r.bottom - r.top) / 2};
}

}  // namespace

std::wstring BuiltExe() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\')) + L"\\Pelkor.exe";
}

std::wstring WindowText(HWND window) {
    // GetWindowText does not ask another process's edit box for its text: ask it directly.
    std::wstring text(4096, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                          5000, &copied);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

PelkorProcess::~PelkorProcess() { Kill(); }

namespace {

// Every program started for a test, and what it starts in turn, ends with this process:
// a test that ctest stops at its time limit leaves no window behind for the next one.
HANDLE EndsWithTheTests() {
    static const win::UniqueHandle job = [] {
        win::UniqueHandle made(::CreateJobObjectW(nullptr, nullptr));
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (made) ::SetInformationJobObject(made.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits));
        return made;
    }();
    return job.get();
}

}  // namespace

void PelkorProcess::Launch(const std::wstring& gameFolder, const std::wstring& startedIn) {
    const std::wstring exe = gameFolder + (gameFolder.back() == L'\\' ? L"" : L"\\") + L"Pelkor.exe";
    if (!::CopyFileW(BuiltExe().c_str(), exe.c_str(), FALSE)) throw std::runtime_error("cannot copy Pelkor.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                          (startedIn.empty() ? gameFolder : startedIn).c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start Pelkor.exe");
    }
    if (HANDLE job = EndsWithTheTests()) ::AssignProcessToJobObject(job, info.hProcess);
    ::ResumeThread(info.hThread);
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
    ::WaitForInputIdle(info.hProcess, 10000);
}

HWND VisibleWindowOfProcess(DWORD pid, const wchar_t* className) {
    Search search{pid, className};
    ::EnumWindows(&FindOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND PelkorProcess::FindWindowOfClass(const wchar_t* className) const {
    return VisibleWindowOfProcess(pid_, className);
}

HWND PelkorProcess::MainWindow() const { return FindWindowOfClass(L"PelkorForm1"); }

HWND PelkorProcess::WaitForMainWindow() {
    HWND window = nullptr;
    WaitFor([&] { return (window = MainWindow()) != nullptr || !Running(); });
    if (window) {
        ::SetForegroundWindow(window);
        Settle();
    }
    return window;
}

bool PelkorProcess::HasMessageBox() const { return FindWindowOfClass(L"#32770") != nullptr; }

std::optional<MessageBoxSeen> PelkorProcess::WaitForMessageBox(std::chrono::milliseconds limit) {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindWindowOfClass(L"#32770")) != nullptr; }, limit)) return std::nullopt;
    Settle();  // drawn, so the icon can be read off the screen
    ::UpdateWindow(box);
    MessageBoxSeen seen;
    seen.window = box;
    seen.title = WindowText(box);
    seen.text = WindowText(::GetDlgItem(box, 0xFFFF));
    seen.icon = ReadIcon(box);
    return seen;
}

void PelkorProcess::Acknowledge(const MessageBoxSeen& box) {
    HWND ok = ::GetDlgItem(box.window, IDOK);
    if (!ok) ok = ::GetDlgItem(box.window, IDCANCEL);  // an OK-only box may answer as Cancel
    ClickAt(ok, CentreOf(ok));
    WaitFor([&] { return !::IsWindow(box.window) || !::IsWindowVisible(box.window); });
    Settle();
}

HWND PelkorProcess::Control(std::size_t row) const {
    return ::GetDlgItem(MainWindow(), win::kFirstControlId + static_cast<int>(row));
}

std::wstring PelkorProcess::Text(std::size_t row) const { return WindowText(Control(row)); }

bool PelkorProcess::Checked(std::size_t row) const {
    return ::SendMessageW(Control(row), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int PelkorProcess::ScrollPosition(std::size_t row) const { return ::GetScrollPos(Control(row), SB_CTL); }

void PelkorProcess::MoveTo(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    // A pointer already standing there would not move at all: come in from one pixel aside.
    SendMouse(MOUSEEVENTF_MOVE, {client.x + 1, client.y});
    SendMouse(MOUSEEVENTF_MOVE, client);
    Settle();
}

void PelkorProcess::ClickAt(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    SendMouse(MOUSEEVENTF_MOVE, client);
    SendMouse(MOUSEEVENTF_LEFTDOWN, client);
    SendMouse(MOUSEEVENTF_LEFTUP, client);
    Settle();
}

void PelkorProcess::Click(std::size_t row) {
    HWND control = Control(row);
    ClickAt(control, CentreOf(control));
}

void PelkorProcess::TypeInto(std::size_t row, const std::wstring& text) {
    Click(row);
    PressKey(VK_END);
    SendKey(VK_SHIFT, false);
    PressKey(VK_HOME);
    SendKey(VK_SHIFT, true);
    PressKey(VK_DELETE);
    for (wchar_t c : text) TypeCharacter(c);
    Settle();
}

void PelkorProcess::Press(WORD key) {
    PressKey(key);
    Settle();
}

HWND PelkorProcess::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    HWND main = MainWindow();
    if (!main || !::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void PelkorProcess::ClickFile(const std::wstring& name) {
    HWND list = Control(app::Ctl(L"File1"));
    const LRESULT index =
        ::SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    if (index == LB_ERR) throw std::runtime_error("no such palette file in the list");
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    ClickAt(list, {item.left + 8, (item.top + item.bottom) / 2});
}

bool PelkorProcess::Answers(HWND window) const {
    for (int round = 0; round < 2; ++round) {
        DWORD_PTR result = 0;
        if (!::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 15000, &result)) return false;
    }
    return Running();
}

bool PelkorProcess::WaitForExit(std::chrono::milliseconds limit) {
    return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

DWORD PelkorProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

bool PelkorProcess::Running() const { return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

void PelkorProcess::Kill() {
    if (Running()) {
        ::TerminateProcess(process_.get(), 99);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

namespace {

template <typename UnixName>
std::string Unix(UnixName unixName, const std::wstring& path) {
    char* name = unixName(path.c_str());
    std::string copy = name ? name : "";
    ::HeapFree(::GetProcessHeap(), 0, name);
    return copy;
}

}  // namespace

BrowserStandIn::BrowserStandIn() {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return;
    const std::wstring script = folder_.path() + L"\\browser.sh";
    const std::string record = Unix(unixName, folder_.path() + L"\\pages.txt");
    folder_.WriteFile(L"browser.sh", "printf '%s\\n' \"$1\" >> '" + record + "'\n");
    const std::string command = "/bin/sh \"" + Unix(unixName, script) + "\"";

    ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                      nullptr);
    DWORD size = sizeof(saved_);
    hadValue_ = ::RegQueryValueExW(key_, L"Browsers", nullptr, nullptr, reinterpret_cast<BYTE*>(saved_), &size) ==
                ERROR_SUCCESS;
    const std::wstring value(command.begin(), command.end());
    ::RegSetValueExW(key_, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ready_ = true;
}

BrowserStandIn::~BrowserStandIn() {
    if (!key_) return;
    if (hadValue_) {
        ::RegSetValueExW(key_, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_),
                         static_cast<DWORD>(::lstrlenW(saved_) + 1) * DWORD{sizeof(wchar_t)});
    } else {
        ::RegDeleteValueW(key_, L"Browsers");
    }
    ::RegCloseKey(key_);
}

std::vector<std::string> BrowserStandIn::Pages() const {
    std::ifstream in((folder_.path() + L"\\pages.txt").c_str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace pelkor::driver
