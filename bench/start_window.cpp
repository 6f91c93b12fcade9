// Starts programs as a user would and measures each until its window is visible:
// the time from process start, the peak memory, the window's size and caption.
// Then it closes the window and checks that the program ended cleanly.
//
//   start_window [--runs N] --target NAME CLASS FOLDER CHILD COMMANDLINE ...
//   start_window --product-version FILE
//
// CLASS is the class of the top-level window to wait for; CHILD, unless "-", the class
// of a child that must hold text too (an editor that shows its file after its window).
// The targets are started in turn, each round beginning with the next one, after one
// round that is not counted. One line per target, "NAME key=value ...", caption last.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "median.h"

namespace {

struct Target {
    std::wstring name, windowClass, folder, child, commandLine;
    std::vector<double> milliseconds;
    std::vector<double> peakWorkingSetKb, peakPrivateKb;
    SIZE size{};
    std::wstring caption;
    bool failed = false;
};

std::string Utf8(const std::wstring& text) {
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                          nullptr);
    return bytes;
}

// The top-level window of the class that belongs to the process, visible or not. The
// class narrows the search to a window or two: asking about every top-level window on
// each poll is dozens of Wine server requests a millisecond, which the program being
// measured would queue behind.
HWND WindowOf(DWORD pid, const std::wstring& windowClass) {
    for (HWND w = ::FindWindowExW(nullptr, nullptr, windowClass.c_str(), nullptr); w;
         w = ::FindWindowExW(nullptr, w, windowClass.c_str(), nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == pid) return w;
    }
    return nullptr;
}

// Whether a top-level window is visible: one request, where IsWindowVisible on another
// process's window asks about its parents too.
bool IsShown(HWND window) { return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

bool ChildHasText(HWND window, const std::wstring& childClass) {
    HWND child = ::FindWindowExW(window, nullptr, childClass.c_str(), nullptr);
    DWORD_PTR length = 0;
    return child && ::SendMessageTimeoutW(child, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length) && length > 0;
}

// One start of one target; false when its window never came or it did not end cleanly.
bool MeasureOnce(Target& target, bool counted) {
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = target.commandLine;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, target.folder.c_str(),
                          &startup, &process)) {
        std::fprintf(stderr, "%s: cannot start (error %lu)\n", Utf8(target.name).c_str(), ::GetLastError());
        return false;
    }
    ::CloseHandle(process.hThread);

    // Polls every millisecond, with as few requests to the Wine server as the state
    // allows: one to look for the window until it exists (programs make it hidden), then
    // one to read its style until it shows.
    HWND found = nullptr;
    HWND window = nullptr;
    for (;;) {
        if (!found || !::IsWindow(found)) found = WindowOf(process.dwProcessId, target.windowClass);
        if (found && IsShown(found) && (target.child == L"-" || ChildHasText(found, target.child))) {
            window = found;
            break;
        }
        // Ends early when the program has ended on its own.
        if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
        ::QueryPerformanceCounter(&now);
        if (now.QuadPart - start.QuadPart > 30 * frequency.QuadPart) break;
    }
    ::QueryPerformanceCounter(&now);
    bool ok = window != nullptr;
    if (!ok) {
        std::fprintf(stderr, "%s: no visible window\n", Utf8(target.name).c_str());
    } else {
        const double elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                               static_cast<double>(frequency.QuadPart);
        // Let it finish drawing before the peak is read.
        ::WaitForInputIdle(process.hProcess, 5000);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof(memory);
        ::GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
        RECT r{};
        ::GetWindowRect(window, &r);
        target.size = {r.right - r.left, r.bottom - r.top};
        wchar_t caption[256] = {};
        ::GetWindowTextW(window, caption, 256);
        target.caption = caption;
        if (counted) {
            target.milliseconds.push_back(elapsed);
            target.peakWorkingSetKb.push_back(static_cast<double>(memory.PeakWorkingSetSize) / 1024);
            target.peakPrivateKb.push_back(static_cast<double>(memory.PeakPagefileUsage) / 1024);
        }
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    DWORD exitCode = STILL_ACTIVE;
    if (::WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(process.hProcess, &exitCode);
    } else {
        ::TerminateProcess(process.hProcess, 99);
        ::WaitForSingleObject(process.hProcess, 5000);
    }
    if (ok && exitCode != 0) {
        std::fprintf(stderr, "%s: ended with %lu after its window was closed\n", Utf8(target.name).c_str(), exitCode);
        ok = false;
    }
    ::CloseHandle(process.hProcess);
    return ok;
}

int PrintProductVersion(const wchar_t* file) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file, &ignored);
    std::vector<char> data(size);
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!size || !::GetFileVersionInfoW(file, 0, size, data.data()) ||
        !::VerQueryValueW(data.data(), L"\\StringFileInfo\\041104B0\\ProductVersion", reinterpret_cast<void**>(&text),
                          &length)) {
        return 1;
    }
    std::printf("%s\n", Utf8(std::wstring(text, length ? length - 1 : 0)).c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"--product-version") return PrintProductVersion(argv[2]);
    int runs = 10;
    std::vector<Target> targets;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--runs" && i + 1 < argc) {
            runs = std::max(1, _wtoi(argv[++i]));
        } else if (arg == L"--target" && i + 5 < argc) {
            Target t;
            t.name = argv[i + 1];
            t.windowClass = argv[i + 2];
            t.folder = argv[i + 3];
            t.child = argv[i + 4];
            t.commandLine = argv[i + 5];
            targets.push_back(std::move(t));
            i += 5;
        } else {
            std::fprintf(stderr, "usage: start_window [--runs N] --target NAME CLASS FOLDER CHILD COMMANDLINE ...\n");
            return 2;
        }
    }
    if (targets.empty()) return 2;

    bool ok = true;
    for (int round = 0; round <= runs; ++round) {
        for (std::size_t k = 0; k < targets.size(); ++k) {
            Target& t = targets[(k + static_cast<std::size_t>(round)) % targets.size()];
            if (t.failed) continue;
            if (!MeasureOnce(t, round > 0)) t.failed = true, ok = false;
        }
    }
    for (const Target& t : targets) {
        const auto [low, high] = std::minmax_element(t.milliseconds.begin(), t.milliseconds.end());
        std::printf(
            "%s runs=%zu ms=%.1f min=%.1f max=%.1f peak_ws_kb=%.0f peak_private_kb=%.0f size=%ldx%ld caption=%s\n",
            Utf8(t.name).c_str(), t.milliseconds.size(), Median(t.milliseconds), t.milliseconds.empty() ? 0 : *low,
            t.milliseconds.empty() ? 0 : *high, Median(t.peakWorkingSetKb), Median(t.peakPrivateKb), t.size.cx,
            t.size.cy, Utf8(t.caption).c_str());
    }
    return ok ? 0 : 1;
}
