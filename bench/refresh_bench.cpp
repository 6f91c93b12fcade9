// Times the refresh and one editor click inside the process, on a copy of the demo
// game folder and on one whose gr.ini has grown to a megabyte of unknown sections.
//
//   refresh_bench DEMO_FOLDER LARGE_FOLDER [ROUNDS]
//
// Both folders must hold a copy of the demo (gr.ini and Palettes); the large one's
// gr.ini is rewritten here. Each round times a batch on each folder in turn: refreshes
// with the file untouched for a while, refreshes with the file just written, and clicks
// on a screenshot size. Every time is one call; the median of all calls is printed,
// per folder one line: "NAME bytes=N refresh_ms=M changed_ms=M click_ms=M ...", with
// the refresh's thirteen reads timed alone beside it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "core/catalogue.h"
#include "form1/form1.h"
#include "form1/form1_design.h"
#include "median.h"
#include "settings/ini_access.h"
#include "support/recording_platform.h"

namespace {

using pelkor::app::Ctl;

constexpr std::size_t kLargeSize = 1024 * 1024;

std::string ReadBytes(const std::wstring& file) {
    std::ifstream in(file.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Thousands of sections the program does not know, as a game that keeps per-track
// records would leave them, then the demo's own text: the known keys come last.
void GrowIni(const std::wstring& folder) {
    const std::wstring ini = folder + L"\\gr.ini";
    const std::string tail = ReadBytes(ini);
    std::string text;
    text.reserve(kLargeSize + tail.size());
    for (int n = 1; text.size() + tail.size() < kLargeSize; ++n) {
        char section[512];
        std::snprintf(section, sizeof(section),
                      "[Track%05d]\r\nName=Circuit %d\r\nBestLap=%02d:%02d.%03d\r\nBestLapDriver=Driver%d\r\n"
                      "Laps=%d\r\nRaces=%d\r\nLastPlayed=2003-%02d-%02d\r\nSetup=%d,%d,%d,%d,%d\r\n",
                      n, n, n % 3, n % 60, (n * 37) % 1000, n % 8, 3 + n % 7, n % 50, 1 + n % 12, 1 + n % 28, n % 5,
                      n % 4, n % 3, n % 6, n % 2);
        text += section;
    }
    text += tail;
    std::ofstream(ini.c_str(), std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / ticksPerMs;
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// What one request to the Wine server costs on this machine at the moment: looking up
// a window property is nothing else. Each profile read makes four.
double ServerTripMicroseconds(HWND window) {
    std::vector<double> trips;
    for (int i = 0; i < 50; ++i) {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        ::GetPropW(window, L"PelkorBenchNoSuchProperty");
        ::QueryPerformanceCounter(&to);
        trips.push_back(Milliseconds(from, to) * 1000.0);
    }
    return Median(trips);
}

struct Subject {
    std::string name;
    std::wstring folder;
    std::unique_ptr<pelkor::test::RecordingPlatform> platform;
    std::unique_ptr<pelkor::app::Application> app;
    std::vector<double> refresh, changed, click, reads, readsChanged;
    bool next800 = true;

    pelkor::app::Form1& form() { return *app->MainWindow(); }

    // The refresh and the drawing it causes.
    template <typename Action>
    double Time(Action action) {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        action();
        ::RedrawWindow(form().hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::QueryPerformanceCounter(&to);
        return Milliseconds(from, to);
    }

    // Wine keeps the file parsed and reads it anew on every call while its time of last
    // writing is less than two seconds old: set it to now (just written, by an editor or
    // by the game) or to a minute ago (untouched since).
    void SetIniTime(bool justWritten) {
        const std::wstring ini = folder + L"\\gr.ini";
        HANDLE file = ::CreateFileW(ini.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        FILETIME time;
        ::GetSystemTimeAsFileTime(&time);
        ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
        if (!justWritten) value.QuadPart -= 60ull * 10000000ull;
        time = {value.LowPart, value.HighPart};
        ::SetFileTime(file, nullptr, nullptr, &time);
        ::CloseHandle(file);
    }

    // The refresh's thirteen reads alone, through the same function: the part of the
    // refresh that is the system's profile functions.
    double TimeReads() {
        namespace section = pelkor::core::section;
        namespace key = pelkor::core::key;
        static constexpr std::wstring_view kReads[][2] = {
            {section::Misc, key::PaletteFile},
            {section::Replay, key::Length},
            {section::Replay, key::FrameStep},
            {section::Misc, key::ScreenshotWidth},
            {section::Misc, key::ScreenshotHeight},
            {section::Viewport, key::ViewAngle},
            {section::Viewport, key::Rotation},
            {section::Viewport, key::Zoom},
            {section::Graphics, key::FasterTrackPreview},
            {section::Graphics, key::TyreAutoSort},
            {section::Graphics, key::VideoMemory},
            {section::Misc, key::AlternativeSpeedSetting},
            {section::Misc, key::ScreenshotFormat},
        };
        pelkor::settings::IniState state;
        state.IniFileName = pelkor::settings::IniPathFor(folder);
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        for (const auto& [sectionName, keyName] : kReads) {
            state.IniSection = sectionName;
            pelkor::settings::ReadSetting(state, keyName);
        }
        ::QueryPerformanceCounter(&to);
        return Milliseconds(from, to);
    }

    void Round(int refreshes, int changedRefreshes, int clicks) {
        SetIniTime(false);
        form().Refresh();  // Wine parses the file once more: its time has changed
        for (int i = 0; i < refreshes; ++i) {
            refresh.push_back(Time([&] { form().Refresh(); }));
            reads.push_back(TimeReads());
        }
        for (int i = 0; i < changedRefreshes; ++i) {
            SetIniTime(true);
            changed.push_back(Time([&] { form().Refresh(); }));
            readsChanged.push_back(TimeReads());
        }
        for (int i = 0; i < clicks; ++i) {
            // 800x600, then back to 640x480: each click writes two keys and refreshes.
            HWND option = form().Control(next800 ? Ctl(L"Option2", 3) : Ctl(L"Option2", 2));
            click.push_back(Time([&] { ::SendMessageW(option, BM_CLICK, 0, 0); }));
            Pump();
            next800 = !next800;
        }
    }

    // The clicks must have reached the file, and nothing may have gone wrong.
    bool Healthy() const {
        pelkor::settings::IniState state;
        state.IniFileName = pelkor::settings::IniPathFor(folder);
        state.IniSection = pelkor::core::section::Misc;
        const std::wstring width = pelkor::settings::ReadSetting(state, pelkor::core::key::ScreenshotWidth);
        const std::wstring expected = next800 ? L"640" : L"800";
        if (width != expected) {
            std::fprintf(stderr, "%s: ScreenshotWidth is \"%ls\", not %ls\n", name.c_str(), width.c_str(),
                         expected.c_str());
            return false;
        }
        if (!platform->boxes.empty() || !platform->endings.empty()) {
            std::fprintf(stderr, "%s: a message box or an ending came up\n", name.c_str());
            return false;
        }
        return true;
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: refresh_bench DEMO_FOLDER LARGE_FOLDER [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 10;

    GrowIni(argv[2]);
    Subject subjects[2];
    subjects[0].name = "demo";
    subjects[0].folder = argv[1];
    subjects[1].name = "large";
    subjects[1].folder = argv[2];
    for (Subject& s : subjects) {
        s.platform = std::make_unique<pelkor::test::RecordingPlatform>(s.folder);
        s.app = std::make_unique<pelkor::app::Application>(*s.platform, pelkor::win::Language::Japanese);
        if (!s.app->Start()) {
            std::fprintf(stderr, "%s: the window did not start\n", s.name.c_str());
            return 1;
        }
        Pump();
    }
    // One round to warm up, not counted.
    for (Subject& s : subjects) s.Round(5, 2, 2);
    for (Subject& s : subjects) {
        s.refresh.clear(), s.changed.clear(), s.click.clear(), s.reads.clear(), s.readsChanged.clear();
    }
    std::vector<double> trips;
    for (int round = 0; round < rounds; ++round) {
        for (Subject& s : subjects) s.Round(20, 3, 2);
        trips.push_back(ServerTripMicroseconds(subjects[0].form().hwnd()));
    }
    std::printf("server trip_us=%.1f\n", Median(trips));

    bool ok = true;
    for (Subject& s : subjects) {
        ok = s.Healthy() && ok;
        std::printf("%s bytes=%zu refresh_ms=%.3f changed_ms=%.3f click_ms=%.3f reads_ms=%.3f reads_changed_ms=%.3f\n",
                    s.name.c_str(), ReadBytes(s.folder + L"\\gr.ini").size(), Median(s.refresh), Median(s.changed),
                    Median(s.click), Median(s.reads), Median(s.readsChanged));
    }
    for (Subject& s : subjects) s.app.reset();
    return ok ? 0 : 1;
}
