// The real program driven from outside with real pointer and keyboard input.
#include <oleacc.h>
#include <servprov.h>
#include <uiautomationcore.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/web_pages.h"
#include "driver/pelkor_process.h"
#include "form1/form1_design.h"
#include "support/game_folder.h"
#include "support/ini_checks.h"
#include "win/system_library.h"

namespace pelkor::driver {
namespace {

using app::Ctl;
using test::GameFolder;
using test::TypicalIni;

class Driver : public ::testing::Test {
protected:
    void StartOnTypicalFolder() {
        game_.WriteIni(TypicalIni());
        game_.AddPalette(L"gr.pal");
        game_.AddPalette(L"night.pal");
        pelkor_.Launch(game_.path());
        ASSERT_NE(pelkor_.WaitForMainWindow(), nullptr);
    }

    // Waits until the profile functions read the value from gr.ini.
    bool FileHolds(const char* section, const char* key, const std::string& value) {
        return WaitFor([&] { return game_.Read(section, key) == value; }, std::chrono::seconds(5));
    }

    // The program shows this box, with the icon of its type; a click on OK answers it.
    void AnswerBox(const test::ExpectedBox& expected) {
        const auto box = pelkor_.WaitForMessageBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->title, expected.title);
        EXPECT_EQ(box->text, expected.text);
        EXPECT_EQ(box->icon, (expected.type & MB_ICONMASK) == MB_ICONSTOP ? Icon::Stop : Icon::Exclamation);
        pelkor_.Acknowledge(*box);
    }

    // Presses Tab until the control has the focus; false when it never gets it.
    bool TabTo(std::size_t row) {
        HWND target = pelkor_.Control(row);
        for (int presses = 0; presses < 30 && pelkor_.Focus() != target; ++presses) {
            HWND before = pelkor_.Focus();
            pelkor_.Press(VK_TAB);
            WaitFor([&] { return pelkor_.Focus() != before; }, std::chrono::seconds(2));
        }
        return pelkor_.Focus() == target;
    }

    GameFolder game_;
    PelkorProcess pelkor_;
};

TEST_F(Driver, OptionGroupsWriteAtOnce) {
    StartOnTypicalFolder();
    // What start-up shows.
    EXPECT_EQ(pelkor_.Text(Ctl(L"lblNow")), L" gr.pal");
    EXPECT_EQ(pelkor_.Text(Ctl(L"lblNow2")), L" 600 / 5");
    EXPECT_EQ(pelkor_.Text(Ctl(L"lblNow3")), L" 640×480");
    EXPECT_EQ(pelkor_.Text(Ctl(L"lblNow7")), L" 自動検知");
    EXPECT_TRUE(pelkor_.Checked(Ctl(L"Option2", 2)));
    EXPECT_EQ(pelkor_.ScrollPosition(Ctl(L"Sc3")), 105);
    pelkor_.Click(Ctl(L"Option2", 3));
    EXPECT_TRUE(FileHolds("Misc", "ScreenshotWidth", "800"));
    EXPECT_TRUE(FileHolds("Misc", "ScreenshotHeight", "600"));
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"lblNow3")) == L" 800×600"; }));

    pelkor_.Click(Ctl(L"Option1", 5));
    EXPECT_TRUE(FileHolds("Graphics", "VideoMemory", "64000"));
    pelkor_.Click(Ctl(L"Option3", 1));
    EXPECT_TRUE(FileHolds("Graphics", "FasterTrackPreview", "1"));
    pelkor_.Click(Ctl(L"Option4", 1));
    EXPECT_TRUE(FileHolds("Graphics", "TyreAutoSort", "0"));
    pelkor_.Click(Ctl(L"Option5", 0));
    EXPECT_TRUE(FileHolds("Misc", "AlternativeSpeedSetting", "1"));
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"lblNow8")) == L" ON"; }));
    EXPECT_FALSE(pelkor_.HasMessageBox());
    EXPECT_EQ(game_.Read("Sound", "Volume"), "80");
}

// Run on its own, in a display language other than Japanese: under Wine the locale sets it
// when the process starts (LC_ALL=en_US.UTF-8), and the program inherits it.
using EnglishDriver = Driver;

// Where the display language is not Japanese the window is English, and a click writes
// what it writes in Japanese.
TEST_F(EnglishDriver, WindowForAnyOtherDisplayLanguage) {
    ASSERT_NE(PRIMARYLANGID(::GetUserDefaultUILanguage()), LANG_JAPANESE)
        << "needs a display language other than Japanese";
    StartOnTypicalFolder();
    auto japanese = [](std::wstring_view text) {
        return std::any_of(text.begin(), text.end(), [](wchar_t c) {
            return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) ||
                   c == L'※';
        });
    };
    EXPECT_EQ(WindowText(pelkor_.MainWindow()), L"Pelkor  v" PELKOR_VERSION_SHOWN);
    for (std::size_t row = 0; row < app::kForm1.size(); ++row) {
        EXPECT_FALSE(japanese(pelkor_.Text(row))) << "row " << row << ": " << testing::PrintToString(pelkor_.Text(row));
    }
    EXPECT_EQ(pelkor_.Text(Ctl(L"lblNow7")), L" Auto");
    pelkor_.Click(Ctl(L"Option1", 5));
    EXPECT_TRUE(FileHolds("Graphics", "VideoMemory", "64000"));
    pelkor_.Click(Ctl(L"Option1", 0));
    EXPECT_TRUE(FileHolds("Graphics", "VideoMemory", "autodetect"));

    pelkor_.TypeInto(Ctl(L"txt12", 2), L"abc");
    pelkor_.Click(Ctl(L"Command5"));
    auto box = pelkor_.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, test::kNo03EnglishTitle);
    EXPECT_FALSE(japanese(box->text)) << testing::PrintToString(box->text);
    EXPECT_EQ(box->icon, Icon::Exclamation);
    pelkor_.Acknowledge(*box);
}

// What a screen reader asks from outside the process, through oleacc. Run in both
// languages: Japanese here, English with the EnglishDriver entry of ctest.
TEST_F(Driver, ScreenReaderFindsNamesLinksAndTheHelpOfTheFocus) {
    BrowserStandIn browser;
    StartOnTypicalFolder();
    const bool japanese = PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_JAPANESE;
    auto object = [](HWND window) {
        IAccessible* made = nullptr;
        ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&made));
        return win::UniqueCom<IAccessible>(made);
    };
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    auto text = [&](IAccessible* accessible, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        BSTR value = nullptr;
        if (!accessible || FAILED((accessible->*get)(self, &value)) || !value) return std::wstring();
        std::wstring copy(value, ::SysStringLen(value));
        ::SysFreeString(value);
        return copy;
    };
    // Windows' rule for a control without a caption: the static control found walking back
    // in z-order, a walk that stops at a control with WS_GROUP and WS_TABSTOP.
    auto labelOf = [](HWND control) {
        for (HWND w = ::GetWindow(control, GW_HWNDPREV); w; w = ::GetWindow(w, GW_HWNDPREV)) {
            wchar_t name[16] = {};
            ::GetClassNameW(w, name, 16);
            if (::lstrcmpiW(name, L"Static") == 0) return WindowText(w);
            if ((::GetWindowLongW(w, GWL_STYLE) & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
        }
        return std::wstring();
    };
    const struct {
        std::size_t row;
        const wchar_t* japanese;
        const wchar_t* english;
    } unnamed[] = {
        {Ctl(L"txt12", 2), L"録画時間", L"Time"}, {Ctl(L"txt12", 3), L"ステップ", L"Interval"},
        {Ctl(L"Sc1"), L"上下", L"Tilt"},          {Ctl(L"Sc2"), L"左右", L"Turn"},
        {Ctl(L"Sc3"), L"拡大", L"Zoom"},          {Ctl(L"File1"), L"パレット", L"Palette"},
    };
    for (const auto& control : unnamed) {
        SCOPED_TRACE(testing::Message() << "row " << control.row);
        const std::wstring expected = japanese ? control.japanese : control.english;
        EXPECT_EQ(labelOf(pelkor_.Control(control.row)), expected);
        // Wine's oleacc follows the rule for edit boxes; for bars and lists it gives the window text.
        if (app::kForm1Design[control.row].kind == win::Kind::Edit) {
            EXPECT_EQ(text(object(pelkor_.Control(control.row)).get(), &IAccessible::get_accName), expected);
        }
    }

    // The two links: a link's role and state, its text as name, and a default action that opens its page.
    pelkor_.Click(Ctl(L"Command3"));
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = pelkor_.FindWindowOfClass(L"PelkorForm2")) != nullptr; }));
    const struct {
        HWND link;
        std::wstring name;
        std::wstring_view page;
    } links[] = {
        {pelkor_.Control(Ctl(L"lblLink1")), japanese ? L"パレットWeb情報" : L"Palettes online", core::kPalettePage},
        {::FindWindowExW(about, nullptr, L"Static", japanese ? L"HomePage" : L"Home page"),
         japanese ? L"HomePage" : L"Home page", core::kHomePage},
    };
    typedef HRESULT(WINAPI FromAccessible)(IAccessible*, long, DWORD, IRawElementProviderSimple**);
    constexpr PROPERTYID kControlType = 30003;  // UIA_ControlTypePropertyId
    constexpr long kHyperlink = 50005;          // UIA_HyperlinkControlTypeId
    win::SystemLibrary automation(L"uiautomationcore.dll");
    const auto fromAccessible = automation.Get<FromAccessible>("UiaProviderFromIAccessible");
    std::size_t opened = 0;
    for (const auto& link : links) {
        SCOPED_TRACE(testing::PrintToString(link.name));
        const auto accessible = object(link.link);
        ASSERT_TRUE(accessible);
        VARIANT role{}, state{};
        EXPECT_TRUE(SUCCEEDED(accessible.get()->get_accRole(self, &role)) && role.vt == VT_I4 &&
                    role.lVal == ROLE_SYSTEM_LINK);
        EXPECT_TRUE(SUCCEEDED(accessible.get()->get_accState(self, &state)) && state.vt == VT_I4 &&
                    (state.lVal & STATE_SYSTEM_LINKED));
        EXPECT_EQ(text(accessible.get(), &IAccessible::get_accName), link.name);
        // An object of its own to COM: one identity through each interface, the window through
        // IOleWindow, the link's answers through IDispatch too, and none of the standard
        // object's interfaces, whose IServiceProvider makes UI Automation read plain text.
        auto query = [](IUnknown* from, REFIID riid) {
            void* got = nullptr;
            const HRESULT result = from->QueryInterface(riid, &got);
            return std::pair(result, win::UniqueCom<IUnknown>(static_cast<IUnknown*>(got)));
        };
        const auto [noService, service] = query(accessible.get(), __uuidof(IServiceProvider));
        EXPECT_EQ(noService, E_NOINTERFACE);
        EXPECT_FALSE(service);
        const auto identity = query(accessible.get(), IID_IUnknown).second;
        const auto dispatch = query(accessible.get(), __uuidof(IDispatch)).second;
        const auto window = query(accessible.get(), __uuidof(IOleWindow)).second;
        ASSERT_TRUE(identity && dispatch && window);
        EXPECT_EQ(query(dispatch.get(), IID_IUnknown).second.get(), identity.get());
        EXPECT_EQ(query(window.get(), IID_IUnknown).second.get(), identity.get());
        HWND found = nullptr;
        EXPECT_EQ(static_cast<IOleWindow*>(window.get())->GetWindow(&found), S_OK);
        EXPECT_EQ(found, link.link);
        DISPPARAMS arguments{&self, nullptr, 1, 0};
        VARIANT invoked{};
        EXPECT_EQ(static_cast<IDispatch*>(dispatch.get())
                      ->Invoke(DISPID_ACC_ROLE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &arguments,
                               &invoked, nullptr, nullptr),
                  S_OK);
        EXPECT_TRUE(invoked.vt == VT_I4 && invoked.lVal == ROLE_SYSTEM_LINK) << invoked.vt << " " << invoked.lVal;
        // With no IEnumVARIANT of its own, a client walks the link's children by count and index.
        long count = -1;
        EXPECT_EQ(accessible.get()->get_accChildCount(&count), S_OK);
        std::vector<VARIANT> children(static_cast<std::size_t>(count) + 1);
        LONG got = -1;
        EXPECT_TRUE(SUCCEEDED(::AccessibleChildren(accessible.get(), 0, count + 1, children.data(), &got)));
        EXPECT_EQ(got, count);
        // UI Automation's bridge wraps only an object that is not the system's own proxy,
        // and then reads the role as a hyperlink.
        IRawElementProviderSimple* made = nullptr;
        ASSERT_TRUE(fromAccessible);
        EXPECT_EQ(fromAccessible(accessible.get(), CHILDID_SELF, 0, &made), S_OK);
        const win::UniqueCom<IRawElementProviderSimple> provider(made);
        VARIANT controlType{};
        EXPECT_TRUE(provider && SUCCEEDED(provider.get()->GetPropertyValue(kControlType, &controlType)) &&
                    controlType.vt == VT_I4 && controlType.lVal == kHyperlink)
            << controlType.vt << " " << controlType.lVal;
        EXPECT_EQ(text(accessible.get(), &IAccessible::get_accDefaultAction), japanese ? L"ジャンプ" : L"Jump");
        EXPECT_EQ(accessible.get()->accDoDefaultAction(self), S_OK);
        if (browser.Ready()) {
            ++opened;
            EXPECT_TRUE(WaitFor([&] { return browser.Pages().size() == opened; }));
            const std::wstring address = core::PageAddress(link.page);
            EXPECT_EQ(browser.Pages().back(), std::string(address.begin(), address.end()));
        }
    }
    ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return pelkor_.FindWindowOfClass(L"PelkorForm2") == nullptr; }));

    // The help line follows the keyboard: into the palette group and the replay group,
    // and stays where the focus leaves every group.
    ::SetForegroundWindow(pelkor_.MainWindow());
    auto message = [&] { return pelkor_.Text(Ctl(L"lblMes")); };
    auto shows = [&](const wchar_t* japaneseStart, const wchar_t* englishStart) {
        const std::wstring start = japanese ? japaneseStart : englishStart;
        return WaitFor([&] { return message().rfind(start, 0) == 0; }, std::chrono::seconds(3));
    };
    ASSERT_TRUE(TabTo(Ctl(L"Command2")));
    EXPECT_TRUE(shows(L"別途入手したパレットファイル", L"Choose a palette file")) << testing::PrintToString(message());
    ASSERT_TRUE(TabTo(Ctl(L"Command5")));
    EXPECT_TRUE(shows(L"数値を直接書き込んで", L"Type the numbers")) << testing::PrintToString(message());
    ASSERT_TRUE(TabTo(Ctl(L"Command7")));
    EXPECT_TRUE(shows(L"視点変更", L"You can change the camera")) << testing::PrintToString(message());
    const std::wstring camera = message();
    ASSERT_TRUE(TabTo(Ctl(L"Command3")));
    ::Sleep(100);
    EXPECT_EQ(message(), camera) << "a button outside every group leaves the line";

    // Space on the focused link opens it, as a click does.
    if (browser.Ready()) {
        ASSERT_TRUE(TabTo(Ctl(L"lblLink1")));
        pelkor_.Press(VK_SPACE);
        EXPECT_TRUE(WaitFor([&] { return browser.Pages().size() == opened + 1; }));
    }
    EXPECT_FALSE(pelkor_.HasMessageBox());
}

TEST_F(Driver, TypedReplayLimitsAndTheCameraBars) {
    StartOnTypicalFolder();
    pelkor_.TypeInto(Ctl(L"txt12", 2), L" 1200.7 ");
    pelkor_.TypeInto(Ctl(L"txt12", 3), L"007");
    pelkor_.Click(Ctl(L"Command5"));
    EXPECT_TRUE(FileHolds("Replay", "Length", "1200"));
    EXPECT_TRUE(FileHolds("Replay", "FrameStep", "7"));
    EXPECT_EQ(pelkor_.Text(Ctl(L"txt12", 2)), L"1200");

    pelkor_.Click(Ctl(L"Command8"));
    EXPECT_TRUE(FileHolds("Replay", "Length", "600"));
    EXPECT_TRUE(FileHolds("Replay", "FrameStep", "5"));

    // The right arrow moves the bar by one, a click in the trough by ten.
    HWND bar = pelkor_.Control(Ctl(L"Sc1"));
    RECT r{};
    ::GetClientRect(bar, &r);
    pelkor_.ClickAt(bar, {r.right - 3, r.bottom / 2});
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"llblV", 0)) == L"61"; }));
    pelkor_.ClickAt(bar, {r.right - r.bottom - 4, r.bottom / 2});
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"llblV", 0)) == L"71"; }));
    EXPECT_EQ(game_.Read("Viewport", "ViewAngle"), "default") << "moving a bar writes nothing";
    pelkor_.Click(Ctl(L"Command7"));
    EXPECT_TRUE(FileHolds("Viewport", "ViewAngle", "71"));
    EXPECT_EQ(game_.Read("Viewport", "Rotation"), "default");
    pelkor_.Click(Ctl(L"Command6"));
    EXPECT_TRUE(FileHolds("Viewport", "ViewAngle", "default"));
}

TEST_F(Driver, PaletteChosenFromTheListAndReset) {
    StartOnTypicalFolder();
    pelkor_.Click(Ctl(L"Command1"));
    AnswerBox(test::kNo04);

    pelkor_.ClickFile(L"night.pal");
    pelkor_.Click(Ctl(L"Command1"));
    EXPECT_TRUE(FileHolds("Misc", "PaletteFile", "Palettes\\night.pal"));
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"lblNow")) == L" night.pal"; }));
    pelkor_.Click(Ctl(L"Command2"));
    EXPECT_TRUE(FileHolds("Misc", "PaletteFile", "Palettes\\gr.pal"));
}

TEST_F(Driver, ErrorBoxesKeepTheProgramUsable) {
    StartOnTypicalFolder();
    // No.03: a replay length that is not a number.
    pelkor_.TypeInto(Ctl(L"txt12", 2), L"abc");
    pelkor_.Click(Ctl(L"Command5"));
    AnswerBox(test::kNo03);
    EXPECT_EQ(pelkor_.Text(Ctl(L"txt12", 2)), L"600");

    // No.02: another program holds gr.ini open without sharing.
    {
        const test::HeldIni held(game_);
        pelkor_.Click(Ctl(L"Option1", 2));
        AnswerBox(test::kNo02);
    }
    EXPECT_EQ(game_.Read("Graphics", "VideoMemory"), "autodetect");

    // No.05: no game beside the program.
    pelkor_.Click(Ctl(L"Command4"));
    AnswerBox(test::kNo05);

    // Still usable afterwards.
    pelkor_.Click(Ctl(L"Option1", 2));
    EXPECT_TRUE(FileHolds("Graphics", "VideoMemory", "8000"));
    EXPECT_TRUE(pelkor_.Running());
}

TEST_F(Driver, FocusComesBackToThePressingButtonAfterAMessageBox) {
    StartOnTypicalFolder();
    EXPECT_EQ(pelkor_.Focus(), pelkor_.Control(Ctl(L"Command1")));
    // No game beside the program: the launcher button reports No.05.
    ASSERT_TRUE(TabTo(Ctl(L"Command4")));
    pelkor_.Press(VK_RETURN);
    auto box = pelkor_.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, test::kNo05.title);
    pelkor_.Press(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !pelkor_.HasMessageBox(); }));
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Focus() == pelkor_.Control(Ctl(L"Command4")); }));
    // Tab goes on from there, to the palette list.
    pelkor_.Press(VK_TAB);
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Focus() == pelkor_.Control(Ctl(L"File1")); }));
}

TEST_F(Driver, ArrowKeysChooseWithinAnOptionGroup) {
    StartOnTypicalFolder();
    // Tab enters the screenshot group at its selected option, 640×480.
    ASSERT_TRUE(TabTo(Ctl(L"Option2", 2)));
    pelkor_.Press(VK_DOWN);
    EXPECT_TRUE(FileHolds("Misc", "ScreenshotWidth", "800"));
    EXPECT_TRUE(FileHolds("Misc", "ScreenshotHeight", "600"));
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"lblNow3")) == L" 800×600"; }));
    EXPECT_TRUE(pelkor_.Checked(Ctl(L"Option2", 3)));
    EXPECT_FALSE(pelkor_.Checked(Ctl(L"Option2", 2)));
    EXPECT_EQ(pelkor_.Focus(), pelkor_.Control(Ctl(L"Option2", 3)));
    // Past the last option the arrows wrap round to the first; Up goes back.
    pelkor_.Press(VK_DOWN);
    pelkor_.Press(VK_DOWN);
    EXPECT_TRUE(FileHolds("Misc", "ScreenshotWidth", "320"));
    pelkor_.Press(VK_UP);
    EXPECT_TRUE(FileHolds("Misc", "ScreenshotWidth", "1024"));
    EXPECT_TRUE(FileHolds("Misc", "ScreenshotHeight", "768"));
    EXPECT_FALSE(pelkor_.HasMessageBox());
}

TEST_F(Driver, Error01WithItsIconAndNoWindow) {
    game_.WriteIni(test::TypicalIniWith("Zoom", "300"));
    pelkor_.Launch(game_.path());
    auto box = pelkor_.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, test::kNo01.title);
    EXPECT_EQ(box->icon, Icon::Stop);
    EXPECT_EQ(pelkor_.MainWindow(), nullptr);
    pelkor_.Acknowledge(*box);
    ASSERT_TRUE(pelkor_.WaitForExit());
    EXPECT_EQ(pelkor_.ExitCode(), 1u);
}

TEST_F(Driver, HoverTextsFollowThePointer) {
    StartOnTypicalFolder();
    HWND main = pelkor_.MainWindow();
    // The window's own surface, left of the frames.
    pelkor_.MoveTo(main, {2, 60});
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"lblMes")) == test::kGeneral; }));
    // The screenshot frame's surface, between its options and its bottom edge.
    HWND frame3 = pelkor_.Control(Ctl(L"Frame3"));
    RECT r{};
    ::GetClientRect(frame3, &r);
    pelkor_.MoveTo(frame3, {r.right - 6, r.bottom - 5});
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"lblMes")) == test::kScreenshot; }));
    // A push button changes nothing.
    pelkor_.MoveTo(pelkor_.Control(Ctl(L"Command5")), {5, 5});
    ASSERT_TRUE(pelkor_.Answers(main));
    EXPECT_EQ(pelkor_.Text(Ctl(L"lblMes")), test::kScreenshot);
    // Any video memory option shows the video memory text.
    pelkor_.MoveTo(pelkor_.Control(Ctl(L"Option1", 7)), {4, 4});
    EXPECT_TRUE(WaitFor([&] { return pelkor_.Text(Ctl(L"lblMes")) == test::kVideoMemory; }));
}

TEST_F(Driver, AboutBoxOutlivesTheMainWindow) {
    StartOnTypicalFolder();
    pelkor_.Click(Ctl(L"Command3"));
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = pelkor_.FindWindowOfClass(L"PelkorForm2")) != nullptr; }));
    // A second click brings the same box forward; it makes no second one.
    ::SetForegroundWindow(pelkor_.MainWindow());
    pelkor_.Click(Ctl(L"Command3"));
    ASSERT_TRUE(pelkor_.Answers(about));
    EXPECT_EQ(pelkor_.FindWindowOfClass(L"PelkorForm2"), about);
    int boxes = 0;
    for (HWND w = ::FindWindowW(L"PelkorForm2", nullptr); w; w = ::FindWindowExW(nullptr, w, L"PelkorForm2", nullptr))
        ++boxes;
    EXPECT_EQ(boxes, 1);

    // Closing the main window leaves the program running for the about box.
    ::PostMessageW(pelkor_.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitFor([&] { return pelkor_.MainWindow() == nullptr; }));
    EXPECT_TRUE(pelkor_.Answers(about)) << "ended with the about box open";
    ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(pelkor_.WaitForExit());
    EXPECT_EQ(pelkor_.ExitCode(), 0u);
}

TEST_F(Driver, LauncherStartsTheGameAndEndsTheProgram) {
    const std::wstring bin = BuiltExe().substr(0, BuiltExe().find_last_of(L'\\'));
    ASSERT_TRUE(::CopyFileW((bin + L"\\fake_game.exe").c_str(), (game_.path() + L"\\GeneRally.exe").c_str(), FALSE));
    StartOnTypicalFolder();
    pelkor_.Click(Ctl(L"Command3"));  // the about box closes with it
    ASSERT_TRUE(WaitFor([&] { return pelkor_.FindWindowOfClass(L"PelkorForm2") != nullptr; }));
    pelkor_.Click(Ctl(L"Command4"));
    ASSERT_TRUE(pelkor_.WaitForExit()) << "the program must end once the game has started";
    EXPECT_EQ(pelkor_.ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] {
        return ::GetFileAttributesW((game_.path() + L"\\GeneRally.exe.started.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    })) << "the game was not started";
}

}  // namespace
}  // namespace pelkor::driver
