#pragma once
// What the program asks of the system that would block the caller or leave the
// process. The exe uses the real one; in-process tests put a recorder in its place.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "core/messages.h"
#include "core/text.h"
#include "win/dpi.h"
#include "win/system_library.h"

namespace pelkor::platform {

// The program's own name: the title of a message box that has none of its own,
// where the system would otherwise write "Error" over a box that is no error report.
inline constexpr wchar_t kProgramTitle[] = L"Pelkor";

// CreateProcess's error for a program that must run as an administrator
// (ERROR_ELEVATION_REQUIRED, which MinGW's headers lack).
inline constexpr DWORD kErrorElevationRequired = 740;

class Platform {
public:
    virtual ~Platform() = default;

    // The folder that holds the running program, as the system reports it; the
    // root of a drive keeps its backslash ("C:\").
    virtual std::wstring ProgramDirectory() = 0;
    // A modal message box; without a title it bears the program's name.
    virtual int ShowMessageBox(HWND owner, const std::wstring& text, const std::optional<std::wstring>& title,
                               UINT type) = 0;
    // Ends the message loop: the program has no window left, or must stop.
    virtual void EndProgram(int exitCode) = 0;
    // Starts a program in `folder` without waiting for it. ERROR_SUCCESS once it runs,
    // else the system's error: kErrorElevationRequired for a program that must run as
    // an administrator.
    virtual DWORD StartProgram(const std::wstring& application, const std::wstring& commandLine,
                               const std::wstring& folder) = 0;
    // Starts a program as a double-click does, through the shell, which asks the user's
    // consent for one that must run as an administrator. ERROR_SUCCESS once it runs,
    // ERROR_CANCELLED when the user declined, else the system's error.
    virtual DWORD StartThroughShell(HWND owner, const std::wstring& application, const std::wstring& folder) = 0;
    // Asks the system to open a web address in the user's browser; false on failure.
    virtual bool OpenWebPage(const std::wstring& address) = 0;
    // Whether the user has the system's high-contrast setting on.
    virtual bool HighContrast() = 0;
    // What the system tells of a window's DPI.
    virtual win::DpiFunctions& Dpi() = 0;
};

class RealPlatform final : public Platform {
public:
    std::wstring ProgramDirectory() override;
    int ShowMessageBox(HWND owner, const std::wstring& text, const std::optional<std::wstring>& title,
                       UINT type) override;
    void EndProgram(int exitCode) override;
    DWORD StartProgram(const std::wstring& application, const std::wstring& commandLine,
                       const std::wstring& folder) override;
    DWORD StartThroughShell(HWND owner, const std::wstring& application, const std::wstring& folder) override;
    bool OpenWebPage(const std::wstring& address) override;
    bool HighContrast() override;
    win::DpiFunctions& Dpi() override { return dpi_; }

private:
    // ShellExecuteExW in the apartment the shell asks for, without a box of its own on
    // failure; ERROR_SUCCESS or the system's error.
    DWORD ExecuteInShell(SHELLEXECUTEINFOW& info);

    // Only the web pages need these: they load when the first one opens.
    win::SystemLibrary com_{L"ole32.dll"};
    win::SystemLibrary shell_{L"shell32.dll"};
    win::DpiFunctions dpi_;
};

// Shows the message in the given rendition, owned by `owner`; the button pressed.
int ShowMessage(Platform& platform, HWND owner, const core::Message& message, core::Language language);

// Asks the system to show one of the maker's pages in the user's browser; when it cannot,
// tells the user with the access-failure message. Nothing is kept and nothing is waited for.
void OpenPage(Platform& platform, HWND owner, std::wstring_view page, core::Language language);

// The directory part of a full file name, as the program directory is given:
// "C:\Games\gr\Pelkor.exe" gives "C:\Games\gr", "C:\Pelkor.exe" gives "C:\".
std::wstring DirectoryOf(const std::wstring& fileName);

}  // namespace pelkor::platform
