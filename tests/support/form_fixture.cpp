#include "support/form_fixture.h"

namespace pelkor::test {

bool FormTest::Start() {
    app_ = std::make_unique<app::Application>(platform_, language_);
    return app_->Start();
}

void FormTest::StartShown() {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(platform_.boxes.empty()) << "unexpected message box at start-up";
    ASSERT_TRUE(::IsWindowVisible(form().hwnd()));
}

std::size_t FormTest::Row(std::wstring_view name, int index) {
    for (std::size_t row = 0; row < app::kForm1.size(); ++row) {
        if (app::kForm1Design[row].name == name && app::kForm1Design[row].index == index) return row;
    }
    throw std::out_of_range("no such control");
}

std::wstring FormTest::Text(std::size_t row) {
    wchar_t buffer[2048] = {};
    ::GetWindowTextW(Control(row), buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

bool FormTest::Checked(std::size_t row) { return ::SendMessageW(Control(row), BM_GETCHECK, 0, 0) == BST_CHECKED; }

int FormTest::SelectedOption(std::wstring_view group) {
    int selected = -1;
    for (std::size_t row = 0; row < app::kForm1.size(); ++row) {
        const auto& entry = app::kForm1Design[row];
        if (entry.kind != win::Kind::Option || entry.name != group || !Checked(row)) continue;
        if (selected != -1) return -2;  // two selected in one group is a fault of its own
        selected = entry.index;
    }
    return selected;
}

int FormTest::Position(std::size_t row) { return ::GetScrollPos(Control(row), SB_CTL); }

void FormTest::Click(std::size_t row) {
    ::SendMessageW(Control(row), BM_CLICK, 0, 0);
    Pump();
}

void FormTest::Type(std::size_t row, const std::wstring& text) { ::SetWindowTextW(Control(row), text.c_str()); }

void FormTest::ChooseFile(const std::wstring& name) {
    HWND list = Control(Ctl(L"File1"));
    const LRESULT at =
        ::SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    ASSERT_NE(at, LB_ERR) << "no such file in the list";
    ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    // The notification the list box sends when the user selects an item.
    ::SendMessageW(form().hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

void FormTest::Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace pelkor::test
