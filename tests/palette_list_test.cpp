// The palette list is read from the folder on every refresh; a list that already shows
// the folder's files is left as it is, with the chosen file still selected.
#include <vector>

#include "support/form_fixture.h"

namespace pelkor::test {
namespace {

class PaletteListTest : public FormTest {
protected:
    std::vector<std::wstring> Listed() {
        HWND list = Control(Ctl(L"File1"));
        std::vector<std::wstring> names;
        for (LRESULT i = 0, count = ::SendMessageW(list, LB_GETCOUNT, 0, 0); i < count; ++i) {
            wchar_t name[MAX_PATH] = {};
            ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
            names.push_back(name);
        }
        return names;
    }
    std::wstring Selected() {
        HWND list = Control(Ctl(L"File1"));
        const LRESULT at = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (at == LB_ERR) return L"(none)";
        wchar_t name[MAX_PATH] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name));
        return name;
    }
};

TEST_F(PaletteListTest, FollowsTheFolderAndKeepsTheChosenFile) {
    game_.WriteIni(TypicalIni());
    game_.AddPalette(L"gr.pal");
    game_.AddPalette(L"night.pal");
    StartShown();
    ChooseFile(L"night.pal");

    form().Refresh();
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"gr.pal", L"night.pal"}));
    EXPECT_EQ(Selected(), L"night.pal");

    // A file added, and one whose name changed only in case.
    game_.AddPalette(L"dawn.pal");
    game_.RemovePalette(L"gr.pal");
    game_.AddPalette(L"GR.pal");
    form().Refresh();
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"dawn.pal", L"GR.pal", L"night.pal"}));
    EXPECT_EQ(Selected(), L"night.pal");
    EXPECT_EQ(Working(L"Text1", 0), L"night.pal");

    // The chosen file gone: nothing selected and nothing remembered.
    game_.RemovePalette(L"night.pal");
    form().Refresh();
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"dawn.pal", L"GR.pal"}));
    EXPECT_EQ(Selected(), L"(none)");
    EXPECT_EQ(Working(L"Text1", 0), L"");
}

}  // namespace
}  // namespace pelkor::test
