#pragma once
// The main window's design: every visible control, where it stands and how it looks.
#include "core/catalogue.h"
#include "version.h"
#include "win/form_design.h"

namespace pelkor::app {

using win::ControlRow;
using win::FontId;
using win::Kind;
using win::ScrollRange;
namespace flag = win::flag;

inline constexpr COLORREF kFrameCaption = RGB(0, 0, 128);
inline constexpr COLORREF kValueBack = RGB(0, 0, 192);
inline constexpr COLORREF kValueText = RGB(192, 192, 255);
inline constexpr COLORREF kApplyFace = RGB(192, 192, 255);
inline constexpr COLORREF kResetFace = RGB(224, 224, 224);
inline constexpr COLORREF kDarkText = RGB(64, 64, 64);
inline constexpr COLORREF kGreyText = RGB(128, 128, 128);
inline constexpr COLORREF kLightBlue = RGB(128, 128, 255);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kLinkHighlight = RGB(0, 0, 255);

inline constexpr int kMascotImage = 2;  // resource id of the mascot picture

// Client area as designed, and the outer width the window is given at creation:
// it cuts off everything right of the visible layout.
inline constexpr int kDesignClientWidth = 10170;
inline constexpr int kDesignClientHeight = 6705;
inline constexpr int kShownOuterWidth = 5790;

inline constexpr win::Text kForm1Caption{L"Pelkor(ぺるこる)  v" PELKOR_VERSION_SHOWN,
                                         L"Pelkor  v" PELKOR_VERSION_SHOWN};

// A camera bar's range and resting place, as the rules know them.
constexpr ScrollRange BarRange(std::size_t bar) {
    return {core::kCameraBars[bar].min, core::kCameraBars[bar].max, core::kCameraBars[bar].start};
}

constexpr ControlRow V(std::wstring_view name, std::wstring_view frame, int left, int top, int width, int height,
                       win::Text caption, unsigned flags = flag::Border) {
    return {Kind::ValueLabel, name,       -1,         frame,           caption, left, top, width,
            height,           kValueText, kValueBack, FontId::Default, 0,       flags};
}
constexpr ControlRow Opt(std::wstring_view name, int index, std::wstring_view frame, win::Text caption, int left,
                         int top, int width, int height, int tab, unsigned flags = 0) {
    return {Kind::Option, name,   index,     frame,          caption,         left, top,
            width,        height, kDarkText, win::kNoColour, FontId::Default, tab,  flags};
}

// clang-format off
inline constexpr ControlRow kForm1Design[] = {
    // Controls placed on the window. A frame caption's trailing blanks run on under the
    // value label on the frame's edge, so that the frame's line breaks off up to it.
    {Kind::Frame, L"Frame1", -1, L"", {L" ■ パレット             \u3000\u3000 \u3000\u3000\u3000\u3000                                           ", L" ■ Palette          "}, 90, 120, 5505, 2055, kFrameCaption},
    {Kind::Frame, L"Frame3", -1, L"", {L" ■ スクリーンショット   \u3000\u3000\u3000\u3000\u3000\u3000   \u3000\u3000", L" ■ Screenshot                "}, 90, 2190, 3225, 915, kFrameCaption},
    {Kind::Frame, L"Frame2", -1, L"", {L" ■ リプレイ                  ", L" ■ Replay          "}, 3330, 2190, 2265, 915, kFrameCaption},
    {Kind::Frame, L"Frame4", -1, L"", {L" ■ ゲーム視点                                                                ", L" ■ Camera view       "}, 90, 3120, 5505, 855, kFrameCaption},
    {Kind::Frame, L"Frame5", -1, L"", {L" ■ トラックプレビュー                   ", L" ■ Track preview             "}, 90, 3990, 3165, 555, kFrameCaption},
    {Kind::Frame, L"Frame9", -1, L"", {L" ■ タイヤ                   ", L" ■ Tyres          "}, 3270, 3990, 2325, 555, kFrameCaption},
    {Kind::Frame, L"Frame6", -1, L"", {L" ■ VRAM                                 ", L" ■ VRAM          "}, 90, 4560, 3165, 945, kFrameCaption},
    {Kind::Frame, L"Frame7", -1, L"", {L" ■ スムーサ               ", L" ■ Smoothing     "}, 3270, 4560, 2325, 555, kFrameCaption},
    {Kind::Button, L"Command4", -1, L"", {L"GeneRallyの起動", L"Start GeneRally"}, 3270, 5130, 2325, 375, win::kNoColour, kResetFace, FontId::Default, 11, 0, {L"このアプリを終了しGeneRallyを起動します", L"Closes this program and starts GeneRally"}},
    {Kind::Label, L"Label2", 2, L"", {L"※ 不明な所は触らない。不具合が起こったら初期設定(default）に戻す。", L"* If unsure, leave it alone. If in trouble, go back to default."}, 105, 5580, 5505, 225, kLightBlue},
    {Kind::Picture, L"Picture1", -1, L"", L"", 330, 5850, 510, 330, win::kNoColour, win::kNoColour, FontId::Default, 0, 0, {}, {}, kMascotImage},
    {Kind::Label, L"Label1", -1, L"", L"VornTool", 870, 5940, 705, 225, win::kNoColour, win::kNoColour, FontId::Arial9BoldItalic},
    {Kind::Button, L"Command3", -1, L"", {L"バージョン情報", L"Version info"}, 2880, 5910, 1305, 315, win::kNoColour, win::kNoColour, FontId::Default, 10},
    {Kind::Button, L"Command9", -1, L"", {L"OnLineヘルプ", L"Online help"}, 4230, 5910, 1215, 315, win::kNoColour, win::kNoColour, FontId::Default, 20},
    {Kind::Label, L"lblMes", -1, L"", {L"ここに説明を表示します。各項目にマウスポインタをのせてください。\u3000各項目の緑色の窓は現在設定済みの値を表示しています。", L"Help shows here: point at an item. The box on each item shows what it is set to now."}, 105, 6270, 5505, 405, kGreyText},

    // The current-value labels, on the top edge of their frames.
    V(L"lblNow", L"Frame1", 1170, -15, 3915, 255, {L"設定されているパレットの名前", L"Name of the palette in use"}),
    V(L"lblNow2", L"Frame2", 1140, -15, 915, 255, L"OFF"),
    V(L"lblNow3", L"Frame3", 1890, -15, 1125, 255, L"1320×1240"),
    V(L"lblNow4", L"Frame4", 1470, -15, 3675, 255, L""),
    V(L"lblNow5", L"Frame5", 1890, -15, 975, 255, L""),
    V(L"lblNow6", L"Frame9", 990, -15, 975, 255, L""),
    V(L"lblNow7", L"Frame6", 1050, -15, 1815, 255, L""),
    V(L"lblNow8", L"Frame7", 1260, -15, 675, 255, L""),
    V(L"lblNow9", L"Frame3", 2460, 690, 495, 180, L"", 0),

    // Palette. The link takes the focus last, after the designed order, so that the keyboard reaches it too.
    // The list shows no label of its own: a hidden one gives it the group's name.
    {Kind::Label, L"lblFile1", -1, L"Frame1", {L"パレット", L"Palette"}, 150, 270, 3135, 180, win::kNoColour, win::kNoColour, FontId::Default, 0, flag::Names | flag::Hidden},
    {Kind::FileList, L"File1", -1, L"Frame1", L"", 150, 270, 3135, 1710, kLightBlue, kWhite, FontId::Default, 12},
    {Kind::Button, L"Command1", -1, L"Frame1", {L"パレット変更", L"Change palette"}, 3420, 300, 1845, 405, win::kNoColour, kApplyFace, FontId::Default, 1},
    {Kind::Button, L"Command2", -1, L"Frame1", {L"初期化(gr.pal)", L"Reset (gr.pal)"}, 3420, 750, 1845, 405, win::kNoColour, kResetFace, FontId::Default, 2},
    {Kind::Link, L"lblLink1", -1, L"Frame1", {L"パレットWeb情報", L"Palettes online"}, 3750, 1320, 1260, 180, kGreyText, win::kNoColour, FontId::Default, 21, 0, {L"ブラウザで関連ページを開きます", L"Opens the page in your browser"}},
    {Kind::Label, L"Label2", 13, L"Frame1", {L"別途(*.pal)を入手してね！", L"Palettes not included!"}, 3420, 1740, 1995, 165, kGreyText},

    // Screenshot size.
    Opt(L"Option2", 0, L"Frame3", {L"320×240(初期値)", L"320×240 (default)"}, 150, 240, 1725, 225, 13, flag::Selected),
    Opt(L"Option2", 1, L"Frame3", L"512×384", 150, 450, 1035, 225, 13),
    Opt(L"Option2", 2, L"Frame3", L"640×480", 150, 660, 1035, 225, 13),
    Opt(L"Option2", 3, L"Frame3", L"800×600", 1950, 240, 1035, 225, 13),
    Opt(L"Option2", 4, L"Frame3", L"1024×768", 1950, 450, 1155, 225, 13),
    {Kind::Picture, L"Picture2", -1, L"Frame3", L"", 2055, 690, 405, 180, win::kNoColour, kValueBack},
    {Kind::Label, L"Label4", -1, L"Picture2", L"TIPE", 90, 45, 300, 120, kValueText, kValueBack, FontId::SmallFonts6},

    // Replay limits. A label that names a box or a bar for a screen reader stands in the
    // row before it.
    {Kind::Label, L"Label2", 1, L"Frame2", {L"録画時間", L"Time"}, 90, 300, 735, 165, kGreyText, win::kNoColour, FontId::Default, 0, flag::Centred | flag::Names},
    {Kind::Edit, L"txt12", 2, L"Frame2", L"txt12(2)", 90, 540, 735, 225, win::kNoColour, win::kNoColour, FontId::Default, 16},
    {Kind::Label, L"Label2", 3, L"Frame2", {L"ステップ", L"Interval"}, 885, 300, 645, 180, kGreyText, win::kNoColour, FontId::Default, 0, flag::Centred | flag::Names},
    {Kind::Edit, L"txt12", 3, L"Frame2", L"txt12(3)", 960, 540, 465, 225, win::kNoColour, win::kNoColour, FontId::Default, 17},
    {Kind::Button, L"Command5", -1, L"Frame2", {L"実行", L"Apply"}, 1530, 270, 675, 255, win::kNoColour, kApplyFace, FontId::Default, 3},
    {Kind::Button, L"Command8", -1, L"Frame2", {L"初期化", L"Reset"}, 1530, 570, 675, 255, win::kNoColour, kResetFace, FontId::Default, 4},

    // Camera view.
    {Kind::Label, L"Label2", 4, L"Frame4", {L"上下", L"Tilt"}, 240, 240, 360, 180, kDarkText, win::kNoColour, FontId::Default, 0, flag::Names},
    {Kind::ScrollBar, L"Sc1", -1, L"Frame4", L"", 240, 450, 945, 225, win::kNoColour, win::kNoColour, FontId::Default, 5, 0, {}, BarRange(0)},
    {Kind::Label, L"Label2", 5, L"Frame4", {L"左右", L"Turn"}, 1410, 240, 360, 180, kDarkText, win::kNoColour, FontId::Default, 0, flag::Names},
    {Kind::ScrollBar, L"Sc2", -1, L"Frame4", L"", 1410, 450, 945, 225, win::kNoColour, win::kNoColour, FontId::Default, 6, 0, {}, BarRange(1)},
    {Kind::Label, L"Label2", 6, L"Frame4", {L"拡大", L"Size"}, 2580, 240, 360, 180, kDarkText, win::kNoColour, FontId::Default, 0, flag::Names},
    {Kind::ScrollBar, L"Sc3", -1, L"Frame4", L"", 2580, 450, 945, 225, win::kNoColour, win::kNoColour, FontId::Default, 7, 0, {}, BarRange(2)},
    {Kind::Label, L"llblV", 0, L"Frame4", L"default", 630, 240, 525, 165, kLightBlue, win::kNoColour, FontId::Default, 0, flag::Centred},
    {Kind::Label, L"llblV", 1, L"Frame4", L"default", 1800, 240, 525, 165, kLightBlue, win::kNoColour, FontId::Default, 0, flag::Centred},
    {Kind::Label, L"llblV", 2, L"Frame4", L"default", 2970, 240, 525, 165, kLightBlue, win::kNoColour, FontId::Default, 0, flag::Centred},
    {Kind::Label, L"Label2", 7, L"Frame4", L"0", 225, 690, 75, 120, kGreyText, win::kNoColour, FontId::SmallFonts6},
    {Kind::Label, L"Label2", 8, L"Frame4", L"359", 945, 690, 225, 120, kGreyText, win::kNoColour, FontId::SmallFonts6},
    {Kind::Label, L"Label2", 9, L"Frame4", L"0", 1395, 690, 75, 120, kGreyText, win::kNoColour, FontId::SmallFonts6},
    {Kind::Label, L"Label2", 10, L"Frame4", L"359", 2130, 690, 225, 120, kGreyText, win::kNoColour, FontId::SmallFonts6},
    {Kind::Label, L"Label2", 11, L"Frame4", L"10", 2580, 690, 150, 120, kGreyText, win::kNoColour, FontId::SmallFonts6},
    {Kind::Label, L"Label2", 12, L"Frame4", L"255", 3300, 690, 225, 120, kGreyText, win::kNoColour, FontId::SmallFonts6},
    {Kind::Button, L"Command6", -1, L"Frame4", {L"初期化", L"Reset"}, 3690, 330, 795, 375, win::kNoColour, kResetFace, FontId::Default, 8},
    {Kind::Button, L"Command7", -1, L"Frame4", {L"実行", L"Apply"}, 4530, 330, 795, 375, win::kNoColour, kApplyFace, FontId::Default, 9},

    // The three switches.
    Opt(L"Option3", 0, L"Frame5", {L"オブジェクトON", L"Objects ON"}, 180, 270, 1455, 255, 14, flag::Selected),
    Opt(L"Option3", 1, L"Frame5", L"OFF", 2100, 270, 675, 255, 14),
    Opt(L"Option4", 0, L"Frame9", {L"ソートON", L"Sort ON"}, 180, 240, 1035, 255, 15, flag::Selected),
    Opt(L"Option4", 1, L"Frame9", L"OFF", 1410, 240, 645, 255, 15),
    Opt(L"Option5", 0, L"Frame7", L"On", 180, 240, 555, 255, 19),
    Opt(L"Option5", 1, L"Frame7", {L"OFF(通常)", L"OFF (normal)"}, 1020, 240, 1155, 255, 19, flag::Selected),

    // Video memory: three columns of three.
    Opt(L"Option1", 1, L"Frame6", L"4MB", 180, 210, 675, 225, 18),
    Opt(L"Option1", 2, L"Frame6", L"8MB", 180, 420, 675, 225, 18),
    Opt(L"Option1", 3, L"Frame6", L"16MB", 180, 630, 765, 225, 18),
    Opt(L"Option1", 4, L"Frame6", L"32MB", 1080, 210, 765, 225, 18),
    Opt(L"Option1", 5, L"Frame6", L"64MB", 1080, 420, 765, 225, 18),
    Opt(L"Option1", 6, L"Frame6", L"128MB", 1080, 630, 825, 225, 18),
    Opt(L"Option1", 7, L"Frame6", L"256MB", 2040, 210, 825, 225, 18),
    Opt(L"Option1", 8, L"Frame6", L"512MB", 2040, 420, 825, 225, 18),
    Opt(L"Option1", 0, L"Frame6", {L"自動検知", L"Auto"}, 2040, 630, 1035, 225, 18, flag::Selected),
};
// clang-format on

inline constexpr win::Design kForm1{kForm1Design};

// Row of a main-window control by its design name, checked at compile time.
consteval std::size_t Ctl(std::wstring_view name, int index = -1) { return win::RowOf(kForm1, name, index); }

}  // namespace pelkor::app
