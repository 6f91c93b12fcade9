// Holds an exclusive byte-range lock on a whole file for a while, as some sync and backup
// tools do: lock_range <file> <milliseconds> <event to set once the lock is held>.
// The file stays open for others; only reads and writes of the locked range are refused.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!args || count != 4) return 2;
    HANDLE file = ::CreateFileW(args[1], GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    OVERLAPPED whole{};
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole))
        return 4;
    HANDLE held = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, args[3]);
    if (!held) return 5;
    ::SetEvent(held);
    ::Sleep(static_cast<DWORD>(std::wcstoul(args[2], nullptr, 10)));
    ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
    ::CloseHandle(held);
    ::CloseHandle(file);
    return 0;
}
