// A stand-in for the game: records how it was started and exits at once. It writes,
// beside itself in "<own name>.started.txt" (UTF-16), one line each: its own path,
// its command line, its current folder and the show state it was asked for.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ::GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    const std::wstring record = std::wstring(self) + L"\n" + ::GetCommandLineW() + L"\n" + folder + L"\n" +
                                std::to_wstring(show) + L"\n";
    const std::wstring file = std::wstring(self) + L".started.txt";
    HANDLE out = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    ::WriteFile(out, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written, nullptr);
    ::CloseHandle(out);
    return 0;
}
