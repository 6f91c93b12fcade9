#include <objbase.h>

#include "platform/platform.h"
#include "win/handles.h"

namespace pelkor::platform {

std::wstring DirectoryOf(const std::wstring& fileName) {
    const auto slash = fileName.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    std::wstring dir = fileName.substr(0, slash);
    // A drive root keeps its backslash, so "C:" does not come to mean "the current folder of C:".
    if (dir.size() == 2 && dir[1] == L':') dir += L'\\';
    return dir;
}

std::wstring RealPlatform::ProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return DirectoryOf(path);
}

int RealPlatform::ShowMessageBox(HWND owner, const std::wstring& text, const std::optional<std::wstring>& title,
                                 UINT type) {
    return ::MessageBoxW(owner, text.c_str(), title ? title->c_str() : kProgramTitle, type);
}

void RealPlatform::EndProgram(int exitCode) { ::PostQuitMessage(exitCode); }

DWORD RealPlatform::ExecuteInShell(SHELLEXECUTEINFOW& info) {
    // The shell may hand the work on through COM; it asks for an apartment-threaded
    // caller without OLE1 DDE. Balanced here, so it holds whoever calls.
    const auto initialize = com_.Get<decltype(::CoInitializeEx)>("CoInitializeEx");
    const auto uninitialize = com_.Get<decltype(::CoUninitialize)>("CoUninitialize");
    const auto execute = shell_.Get<decltype(::ShellExecuteExW)>("ShellExecuteExW");
    if (!execute) return ERROR_PROC_NOT_FOUND;
    const HRESULT com =
        initialize && uninitialize ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE) : E_NOTIMPL;
    info.cbSize = sizeof(info);
    // The result must say whether the program was started, and the shell must not show
    // a box of its own: the program reports the failure itself.
    info.fMask |= SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    DWORD error = ERROR_SUCCESS;
    if (!execute(&info)) {
        error = ::GetLastError();
        if (error == ERROR_SUCCESS) error = ERROR_GEN_FAILURE;  // a failure without a reason given
    }
    if (SUCCEEDED(com)) uninitialize();
    return error;
}

bool RealPlatform::HighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

DWORD RealPlatform::StartProgram(const std::wstring& application, const std::wstring& commandLine,
                                 const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::wstring mutableCommandLine = commandLine;  // CreateProcessW may write into it
    if (!::CreateProcessW(application.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process)) {
        const DWORD error = ::GetLastError();
        return error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error;
    }
    // Nothing of the game is kept, and it is never waited for.
    win::UniqueHandle thread(process.hThread);
    win::UniqueHandle game(process.hProcess);
    return ERROR_SUCCESS;
}

DWORD RealPlatform::StartThroughShell(HWND owner, const std::wstring& application, const std::wstring& folder) {
    SHELLEXECUTEINFOW info{};
    info.hwnd = owner;                  // the consent prompt belongs to this window
    info.lpFile = application.c_str();  // the default verb, as a double-click
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ExecuteInShell(info);
}

bool RealPlatform::OpenWebPage(const std::wstring& address) {
    SHELLEXECUTEINFOW info{};
    info.lpVerb = L"open";
    info.lpFile = address.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ExecuteInShell(info) == ERROR_SUCCESS;
}

}  // namespace pelkor::platform
