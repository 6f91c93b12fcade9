#pragma once
// A platform that records what the program asks for instead of blocking or leaving.
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace pelkor::test {

struct MessageBoxCall {
    std::wstring text;
    std::optional<std::wstring> title;
    UINT type;
};

struct StartCall {
    std::wstring application;
    std::wstring commandLine;  // empty for a start through the shell
    std::wstring folder;
};

// The system's DPI functions, unless a test says the system has other ones.
class RecordingDpi final : public win::DpiFunctions {
public:
    UINT ForWindow(HWND window) override { return hasForWindow ? DpiFunctions::ForWindow(window) : 0; }
    UINT ForMonitor(HMONITOR monitor) override { return monitorDpi ? monitorDpi : DpiFunctions::ForMonitor(monitor); }

    bool hasForWindow = true;  // false: a system without GetDpiForWindow
    UINT monitorDpi = 0;       // what GetDpiForMonitor answers, when not 0
};

class RecordingPlatform final : public platform::Platform {
public:
    explicit RecordingPlatform(std::wstring directory) : directory_(std::move(directory)) {}

    std::wstring ProgramDirectory() override { return directory_; }
    int ShowMessageBox(HWND, const std::wstring& text, const std::optional<std::wstring>& title, UINT type) override {
        boxes.push_back({text, title, type});
        if (onMessageBox) onMessageBox();
        return IDOK;
    }
    void EndProgram(int exitCode) override { endings.push_back(exitCode); }
    DWORD StartProgram(const std::wstring& application, const std::wstring& commandLine,
                       const std::wstring& folder) override {
        starts.push_back({application, commandLine, folder});
        return startResult;
    }
    DWORD StartThroughShell(HWND, const std::wstring& application, const std::wstring& folder) override {
        shellStarts.push_back({application, {}, folder});
        return shellStartResult;
    }
    bool OpenWebPage(const std::wstring& address) override {
        pages.push_back(address);
        return pageSucceeds;
    }
    bool HighContrast() override { return highContrast; }
    win::DpiFunctions& Dpi() override { return dpi; }

    std::vector<MessageBoxCall> boxes;
    std::vector<int> endings;
    std::vector<StartCall> starts;
    std::vector<StartCall> shellStarts;
    std::vector<std::wstring> pages;
    DWORD startResult = ERROR_SUCCESS;
    DWORD shellStartResult = ERROR_SUCCESS;
    bool pageSucceeds = true;
    bool highContrast = false;           // what the system is said to answer
    std::function<void()> onMessageBox;  // runs while the "box" is up
    RecordingDpi dpi;

private:
    std::wstring directory_;
};

}  // namespace pelkor::test
