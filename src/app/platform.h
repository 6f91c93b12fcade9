#pragma once
// What the program asks of the system that would block the caller or leave the
// process. The exe uses the real one; in-process tests put a recorder in its place.
#include <windows.h>

#include <optional>
#include <string>

#include "win/system_library.h"

namespace pelkor::app {

// The program's own name: the title of a message box that has none of its own,
// where the system would otherwise write "Error" over a box that is no error report.
inline constexpr wchar_t kProgramTitle[] = L"Pelkor";

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
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool StartProgram(const std::wstring& application, const std::wstring& commandLine) = 0;
    // Asks the system to open a web address in the user's browser; false on failure.
    virtual bool OpenWebPage(const std::wstring& address) = 0;
    // Whether the user has the system's high-contrast setting on.
    virtual bool HighContrast() = 0;
};

class RealPlatform final : public Platform {
public:
    std::wstring ProgramDirectory() override;
    int ShowMessageBox(HWND owner, const std::wstring& text, const std::optional<std::wstring>& title,
                       UINT type) override;
    void EndProgram(int exitCode) override;
    bool StartProgram(const std::wstring& application, const std::wstring& commandLine) override;
    bool OpenWebPage(const std::wstring& address) override;
    bool HighContrast() override;

private:
    // Only the web pages need these: they load when the first one opens.
    win::SystemLibrary com_{L"ole32.dll"};
    win::SystemLibrary shell_{L"shell32.dll"};
};

// The directory part of a full file name, as the program directory is given:
// "C:\Games\gr\Pelkor.exe" gives "C:\Games\gr", "C:\Pelkor.exe" gives "C:\".
std::wstring DirectoryOf(const std::wstring& fileName);

}  // namespace pelkor::app
