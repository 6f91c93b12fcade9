// What the main window's handlers share: the state of its controls, read and set, and
// the palette list kept in step with its folder.
#include <algorithm>
#include <vector>

#include "form1/form1.h"
#include "win/failure.h"

namespace pelkor::app {

const std::wstring& Form1::WorkingText(std::wstring_view array, int index) const {
    const std::wstring* box = strip_.Box(array, index);
    if (!box) throw RuntimeFailure("no such working box");
    return *box;
}

platform::Platform& Form1::platform() const { return host_.platform(); }

std::wstring Form1::ProgramDirectory() const { return platform().ProgramDirectory(); }

void Form1::SetCaption(std::size_t row, std::wstring_view text) {
    // Reading a caption stays in the process; setting one costs a trip to the window
    // server and a repaint, so a caption that would not change is left alone.
    if (Caption(row) == text) return;
    const std::wstring copy(text);
    ::SetWindowTextW(controls_[row], copy.c_str());
    FitText(row);
}

void Form1::SelectOption(std::wstring_view group, int index) {
    for (std::size_t row = 0; row < kForm1.size(); ++row) {
        const ControlRow& entry = kForm1Design[row];
        if (entry.kind != Kind::Option || entry.name != group) continue;
        const bool selected = entry.index == index;
        HWND button = controls_[row];
        // Wine's option buttons set their style on every check, a request to the window
        // server even when nothing changes; a refresh mostly finds each option as it was.
        if (IsSelected(row) != selected) {
            ::SendMessageW(button, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        // Tab enters a group at its selected option.
        const LONG_PTR style = ::GetWindowLongPtrW(button, GWL_STYLE);
        const LONG_PTR next = selected ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        if (next != style) ::SetWindowLongPtrW(button, GWL_STYLE, next);
    }
}

bool Form1::IsSelected(std::size_t row) const {
    return ::SendMessageW(controls_[row], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Form1::ScrollPosition(std::size_t row) const { return ::GetScrollPos(controls_[row], SB_CTL); }

void Form1::SetScrollPosition(std::size_t row, int position) {
    const ScrollRange& range = kForm1Design[row].range;
    if (position < range.min || position > range.max || position == ScrollPosition(row)) return;
    ::SetScrollPos(controls_[row], SB_CTL, position, TRUE);
    switch (row) {
        case Ctl(L"Sc1"): Sc1_Change(); break;
        case Ctl(L"Sc2"): Sc2_Change(); break;
        case Ctl(L"Sc3"): Sc3_Change(); break;
        default: break;
    }
}

void Form1::Write(const core::Edit& edit) {
    if (edit.message) {
        ShowMessage(*edit.message);
        return;
    }
    if (edit.writes.empty()) return;
    settings::ProfileFile file(ini_, ProgramDirectory());
    if (!core::WriteAll(file, edit.writes)) {
        ShowMessage(core::kError02);
        return;
    }
    ShowCurrentSettings();
}

core::CameraLabels Form1::CameraLabels() const {
    return {Caption(Ctl(L"llblV", 0)), Caption(Ctl(L"llblV", 1)), Caption(Ctl(L"llblV", 2))};
}

void Form1::SetCameraLabels(const core::CameraLabels& labels) {
    SetCaption(Ctl(L"llblV", 0), labels[0]);
    SetCaption(Ctl(L"llblV", 1), labels[1]);
    SetCaption(Ctl(L"llblV", 2), labels[2]);
}

int Form1::ShowMessage(const core::Message& message) {
    // Before the window is first shown, a hidden owner would only hide the box's place.
    HWND owner = ::IsWindowVisible(hwnd()) ? hwnd() : nullptr;
    return platform::ShowMessage(platform(), owner, message, TextLanguage());
}

std::wstring Form1::SelectedPalette() const {
    HWND list = controls_[Ctl(L"File1")];
    const LRESULT selected = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return {};
    std::wstring name(
        static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0)) + 1, L'\0');
    name.resize(static_cast<std::size_t>(
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(name.data()))));
    return name;
}

namespace {

ULONGLONG Ticks(FILETIME time) { return ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart; }

}  // namespace

void Form1::FillFileList(const std::wstring& folder, FILETIME written) {
    HWND list = controls_[Ctl(L"File1")];
    // A file made, removed or renamed in the folder changes its time of last writing.
    // The folder is read again when that time has changed, or when it lay within two
    // seconds (the coarsest file time) of the last listing, which may then have missed
    // a change in the same tick.
    constexpr ULONGLONG kTwoSeconds = 2ull * 10'000'000;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const bool unchanged = folder == listedFolder_ && Ticks(written) == listedWritten_ &&
                           listedAt_ >= listedWritten_ + kTwoSeconds;
    if (!unchanged) {
        listedFolder_ = folder;
        listedWritten_ = Ticks(written);
        listedAt_ = Ticks(now);
        ListPalettes(list, folder);
    }
    // Keep the remembered name and the selection in step: a file that has gone is forgotten.
    LRESULT at = LB_ERR;
    if (!strip_.Text1.empty()) {
        at = ::SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(strip_.Text1.c_str()));
        if (at == LB_ERR) strip_.Text1.clear();
    }
    if (::SendMessageW(list, LB_GETCURSEL, 0, 0) != at) {
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    }
}

void Form1::ListPalettes(HWND list, const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = folder + L"\\*.pal";
    win::UniqueFind find(
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
    if (find) {
        do {
            // "*.pal" also matches longer extensions through their short names; list only real .pal files.
            const std::wstring name = found.cFileName;
            const bool isPal = name.size() > 4 && ::CompareStringOrdinal(name.c_str() + name.size() - 4, 4, L".pal", 4,
                                                                         TRUE) == CSTR_EQUAL;
            if (isPal && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(name);
        } while (::FindNextFileW(find.get(), &found));
    }
    // Every refresh reads the folder again, but it seldom changes: a list that already
    // shows these files is not refilled, which would redraw it for nothing.
    const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::vector<std::wstring> shown(static_cast<std::size_t>(std::max<LRESULT>(0, count)));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i].resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1);
        shown[i].resize(
            static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(shown[i].data()))));
    }
    std::sort(names.begin(), names.end());
    std::sort(shown.begin(), shown.end());
    if (names != shown) {
        ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const std::wstring& name : names) {
            ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(list, nullptr, TRUE);
    }
}

}  // namespace pelkor::app
