#pragma once
// The main window's design: every visible control, where it stands and how it looks.
#include "core/catalogue.h"
#include "resource.h"
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
    return {.kind = Kind::ValueLabel,
            .name = name,
            .container = frame,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .text = kValueText,
            .back = kValueBack,
            .flags = flags};
}
constexpr ControlRow Opt(std::wstring_view name, int index, std::wstring_view frame, win::Text caption, int left,
                         int top, int width, int height, int tab, unsigned flags = 0) {
    return {.kind = Kind::Option,
            .name = name,
            .index = index,
            .container = frame,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .text = kDarkText,
            .tab = tab,
            .flags = flags};
}

// clang-format off
inline constexpr ControlRow kForm1Design[] = {
    // Controls placed on the window. A frame caption's trailing blanks run on under the
    // value label on the frame's edge, so that the frame's line breaks off up to it.
    {.kind = Kind::Frame, .name = L"Frame1", .caption = {L" ■ パレット             \u3000\u3000 \u3000\u3000\u3000\u3000                                           ", L" ■ Palette          "}, .left = 90, .top = 120, .width = 5505, .height = 2055, .text = kFrameCaption},
    {.kind = Kind::Frame, .name = L"Frame3", .caption = {L" ■ スクリーンショット   \u3000\u3000\u3000\u3000\u3000\u3000   \u3000\u3000", L" ■ Screenshot                "}, .left = 90, .top = 2190, .width = 3225, .height = 915, .text = kFrameCaption},
    {.kind = Kind::Frame, .name = L"Frame2", .caption = {L" ■ リプレイ                  ", L" ■ Replay          "}, .left = 3330, .top = 2190, .width = 2265, .height = 915, .text = kFrameCaption},
    {.kind = Kind::Frame, .name = L"Frame4", .caption = {L" ■ ゲーム視点                                                                ", L" ■ Camera view       "}, .left = 90, .top = 3120, .width = 5505, .height = 855, .text = kFrameCaption},
    {.kind = Kind::Frame, .name = L"Frame5", .caption = {L" ■ トラックプレビュー                   ", L" ■ Track preview             "}, .left = 90, .top = 3990, .width = 3165, .height = 555, .text = kFrameCaption},
    {.kind = Kind::Frame, .name = L"Frame9", .caption = {L" ■ タイヤ                   ", L" ■ Tyres          "}, .left = 3270, .top = 3990, .width = 2325, .height = 555, .text = kFrameCaption},
    {.kind = Kind::Frame, .name = L"Frame6", .caption = {L" ■ VRAM                                 ", L" ■ VRAM          "}, .left = 90, .top = 4560, .width = 3165, .height = 945, .text = kFrameCaption},
    {.kind = Kind::Frame, .name = L"Frame7", .caption = {L" ■ スムーサ               ", L" ■ Smoothing     "}, .left = 3270, .top = 4560, .width = 2325, .height = 555, .text = kFrameCaption},
    {.kind = Kind::Button, .name = L"Command4", .caption = {L"GeneRallyの起動", L"Start GeneRally"}, .left = 3270, .top = 5130, .width = 2325, .height = 375, .back = kResetFace, .tab = 11, .tooltip = {L"このアプリを終了しGeneRallyを起動します", L"Closes this program and starts GeneRally"}},
    {.kind = Kind::Label, .name = L"Label2", .index = 2, .caption = {L"※ 不明な所は触らない。不具合が起こったら初期設定(default）に戻す。", L"* If unsure, leave it alone. If in trouble, go back to default."}, .left = 105, .top = 5580, .width = 5505, .height = 225, .text = kLightBlue},
    {.kind = Kind::Picture, .name = L"Picture1", .left = 330, .top = 5850, .width = 510, .height = 330, .image = IDI_MASCOT},
    {.kind = Kind::Label, .name = L"Label1", .caption = L"VornTool", .left = 870, .top = 5940, .width = 705, .height = 225, .font = FontId::Arial9BoldItalic},
    {.kind = Kind::Button, .name = L"Command3", .caption = {L"バージョン情報", L"About"}, .left = 2880, .top = 5910, .width = 1305, .height = 315, .tab = 10},
    {.kind = Kind::Button, .name = L"Command9", .caption = {L"OnLineヘルプ", L"Online help"}, .left = 4230, .top = 5910, .width = 1215, .height = 315, .tab = 20},
    {.kind = Kind::Label, .name = L"lblMes", .caption = {L"ここに説明を表示します。各項目にマウスポインタをのせてください。\u3000各項目の緑色の窓は現在設定済みの値を表示しています。", L"Point at an item for help. The box on each item shows its current setting."}, .left = 105, .top = 6270, .width = 5505, .height = 405, .text = kGreyText},

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
    {.kind = Kind::Label, .name = L"lblFile1", .container = L"Frame1", .caption = {L"パレット", L"Palette"}, .left = 150, .top = 270, .width = 3135, .height = 180, .flags = flag::Names | flag::Hidden},
    {.kind = Kind::FileList, .name = L"File1", .container = L"Frame1", .left = 150, .top = 270, .width = 3135, .height = 1710, .text = kLightBlue, .back = kWhite, .tab = 12},
    {.kind = Kind::Button, .name = L"Command1", .container = L"Frame1", .caption = {L"パレット変更", L"Change palette"}, .left = 3420, .top = 300, .width = 1845, .height = 405, .back = kApplyFace, .tab = 1},
    {.kind = Kind::Button, .name = L"Command2", .container = L"Frame1", .caption = {L"初期化(gr.pal)", L"Reset (gr.pal)"}, .left = 3420, .top = 750, .width = 1845, .height = 405, .back = kResetFace, .tab = 2},
    {.kind = Kind::Link, .name = L"lblLink1", .container = L"Frame1", .caption = {L"パレットWeb情報", L"Palettes online"}, .left = 3750, .top = 1320, .width = 1260, .height = 180, .text = kGreyText, .tab = 21, .tooltip = {L"ブラウザで関連ページを開きます", L"Opens the page in your browser"}},
    {.kind = Kind::Label, .name = L"Label2", .index = 13, .container = L"Frame1", .caption = {L"別途(*.pal)を入手してね！", L"Palettes not included!"}, .left = 3420, .top = 1740, .width = 1995, .height = 165, .text = kGreyText},

    // Screenshot size.
    Opt(L"Option2", 0, L"Frame3", {L"320×240(初期値)", L"320×240 (default)"}, 150, 240, 1725, 225, 13, flag::Selected),
    Opt(L"Option2", 1, L"Frame3", L"512×384", 150, 450, 1035, 225, 13),
    Opt(L"Option2", 2, L"Frame3", L"640×480", 150, 660, 1035, 225, 13),
    Opt(L"Option2", 3, L"Frame3", L"800×600", 1950, 240, 1035, 225, 13),
    Opt(L"Option2", 4, L"Frame3", L"1024×768", 1950, 450, 1155, 225, 13),
    {.kind = Kind::Picture, .name = L"Picture2", .container = L"Frame3", .left = 2055, .top = 690, .width = 405, .height = 180, .back = kValueBack},
    {.kind = Kind::Label, .name = L"Label4", .container = L"Picture2", .caption = {L"TIPE", L"TYPE"}, .left = 90, .top = 45, .width = 300, .height = 120, .text = kValueText, .back = kValueBack, .font = FontId::SmallFonts6},

    // Replay limits. A label that names a box or a bar for a screen reader stands in the
    // row before it.
    {.kind = Kind::Label, .name = L"Label2", .index = 1, .container = L"Frame2", .caption = {L"録画時間", L"Time"}, .left = 90, .top = 300, .width = 735, .height = 165, .text = kGreyText, .flags = flag::Centred | flag::Names},
    {.kind = Kind::Edit, .name = L"txt12", .index = 2, .container = L"Frame2", .caption = L"txt12(2)", .left = 90, .top = 540, .width = 735, .height = 225, .tab = 16},
    {.kind = Kind::Label, .name = L"Label2", .index = 3, .container = L"Frame2", .caption = {L"ステップ", L"Interval"}, .left = 885, .top = 300, .width = 645, .height = 180, .text = kGreyText, .flags = flag::Centred | flag::Names},
    {.kind = Kind::Edit, .name = L"txt12", .index = 3, .container = L"Frame2", .caption = L"txt12(3)", .left = 960, .top = 540, .width = 465, .height = 225, .tab = 17},
    {.kind = Kind::Button, .name = L"Command5", .container = L"Frame2", .caption = {L"実行", L"Apply"}, .left = 1530, .top = 270, .width = 675, .height = 255, .back = kApplyFace, .tab = 3},
    {.kind = Kind::Button, .name = L"Command8", .container = L"Frame2", .caption = {L"初期化", L"Reset"}, .left = 1530, .top = 570, .width = 675, .height = 255, .back = kResetFace, .tab = 4},

    // Camera view.
    {.kind = Kind::Label, .name = L"Label2", .index = 4, .container = L"Frame4", .caption = {L"上下", L"Tilt"}, .left = 240, .top = 240, .width = 360, .height = 180, .text = kDarkText, .flags = flag::Names},
    {.kind = Kind::ScrollBar, .name = L"Sc1", .container = L"Frame4", .left = 240, .top = 450, .width = 945, .height = 225, .tab = 5, .range = BarRange(0)},
    {.kind = Kind::Label, .name = L"Label2", .index = 5, .container = L"Frame4", .caption = {L"左右", L"Turn"}, .left = 1410, .top = 240, .width = 360, .height = 180, .text = kDarkText, .flags = flag::Names},
    {.kind = Kind::ScrollBar, .name = L"Sc2", .container = L"Frame4", .left = 1410, .top = 450, .width = 945, .height = 225, .tab = 6, .range = BarRange(1)},
    {.kind = Kind::Label, .name = L"Label2", .index = 6, .container = L"Frame4", .caption = {L"拡大", L"Zoom"}, .left = 2580, .top = 240, .width = 360, .height = 180, .text = kDarkText, .flags = flag::Names},
    {.kind = Kind::ScrollBar, .name = L"Sc3", .container = L"Frame4", .left = 2580, .top = 450, .width = 945, .height = 225, .tab = 7, .range = BarRange(2)},
    {.kind = Kind::Label, .name = L"llblV", .index = 0, .container = L"Frame4", .caption = L"default", .left = 630, .top = 240, .width = 525, .height = 165, .text = kLightBlue, .flags = flag::Centred},
    {.kind = Kind::Label, .name = L"llblV", .index = 1, .container = L"Frame4", .caption = L"default", .left = 1800, .top = 240, .width = 525, .height = 165, .text = kLightBlue, .flags = flag::Centred},
    {.kind = Kind::Label, .name = L"llblV", .index = 2, .container = L"Frame4", .caption = L"default", .left = 2970, .top = 240, .width = 525, .height = 165, .text = kLightBlue, .flags = flag::Centred},
    {.kind = Kind::Label, .name = L"Label2", .index = 7, .container = L"Frame4", .caption = L"0", .left = 225, .top = 690, .width = 75, .height = 120, .text = kGreyText, .font = FontId::SmallFonts6},
    {.kind = Kind::Label, .name = L"Label2", .index = 8, .container = L"Frame4", .caption = L"359", .left = 945, .top = 690, .width = 225, .height = 120, .text = kGreyText, .font = FontId::SmallFonts6},
    {.kind = Kind::Label, .name = L"Label2", .index = 9, .container = L"Frame4", .caption = L"0", .left = 1395, .top = 690, .width = 75, .height = 120, .text = kGreyText, .font = FontId::SmallFonts6},
    {.kind = Kind::Label, .name = L"Label2", .index = 10, .container = L"Frame4", .caption = L"359", .left = 2130, .top = 690, .width = 225, .height = 120, .text = kGreyText, .font = FontId::SmallFonts6},
    {.kind = Kind::Label, .name = L"Label2", .index = 11, .container = L"Frame4", .caption = L"10", .left = 2580, .top = 690, .width = 150, .height = 120, .text = kGreyText, .font = FontId::SmallFonts6},
    {.kind = Kind::Label, .name = L"Label2", .index = 12, .container = L"Frame4", .caption = L"255", .left = 3300, .top = 690, .width = 225, .height = 120, .text = kGreyText, .font = FontId::SmallFonts6},
    {.kind = Kind::Button, .name = L"Command6", .container = L"Frame4", .caption = {L"初期化", L"Reset"}, .left = 3690, .top = 330, .width = 795, .height = 375, .back = kResetFace, .tab = 8},
    {.kind = Kind::Button, .name = L"Command7", .container = L"Frame4", .caption = {L"実行", L"Apply"}, .left = 4530, .top = 330, .width = 795, .height = 375, .back = kApplyFace, .tab = 9},

    // The three switches.
    Opt(L"Option3", 0, L"Frame5", {L"オブジェクトON", L"Objects ON"}, 180, 270, 1455, 255, 14, flag::Selected),
    Opt(L"Option3", 1, L"Frame5", L"OFF", 2100, 270, 675, 255, 14),
    Opt(L"Option4", 0, L"Frame9", {L"ソートON", L"Sort ON"}, 180, 240, 1035, 255, 15, flag::Selected),
    Opt(L"Option4", 1, L"Frame9", L"OFF", 1410, 240, 645, 255, 15),
    Opt(L"Option5", 0, L"Frame7", {L"On", L"ON"}, 180, 240, 555, 255, 19),
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
