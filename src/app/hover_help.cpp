// The help line: the pointer over the window's surface, a frame or a video memory
// option explains that area, and so does the keyboard focus entering one of them.
// Leaving an area restores nothing.
#include "app/main_window.h"

namespace pelkor::app {
namespace {

// The areas that have a help text: the window's own surface (no name), the frames,
// and the video memory options.
struct HelpArea {
    std::wstring_view name;
    win::Text text;
};

// clang-format off
constexpr HelpArea kHelpAreas[] = {
    {L"", {L"各項目の青色の窓が現在設定済みの値です。\u3000実行ボタンのない項目は操作後すぐ設定に反映されます。",
           L"Each item's blue box shows its current value. Items without an Apply button change as soon as you choose."}},
    {L"Frame1", {L"別途入手したパレットファイル(*.pal)を選択した後「パレット変更」を押してください。 「パレットWeb情報」もご覧下さい。",
                 L"Choose a palette file (*.pal) you got elsewhere, then press Change palette. See also Palettes online."}},
    {L"Frame3", {L"スクリーンショットのサイズを選択します。\u3000貴方がお使いのモニタのスペックを確認してから変更しましょう。\u3000操作後すぐ設定に反映されます。",
                 L"Choose the screenshot size. Check what your monitor can show before you change it. It takes effect at once."}},
    {L"Frame4", {L"視点変更が出来ますが通常は初期値デフォルト(default)をお勧めします。\u3000「実行」もしくは「初期化」を押すと設定変更されます。",
                 L"You can change the camera view, but default is recommended. Press Apply or Reset to change it."}},
    {L"Frame2", {L"数値を直接書き込んで「実行」を押してください。\u3000[時間上限 30000 ステップ上限 30] ゼロ以上の整数限定。 初期値(600/5)です。",
                 L"Type the numbers and press Apply. [Time up to 30000, interval up to 30] Whole numbers from 0; default 600/5."}},
    {L"Frame5", {L"トラックのプレビュー時に動作が遅い場合は、オブジェクトを表示しない設定(OFF)で改善される場合があります。通常はONでかまいません。",
                 L"If track previews are slow, turning the objects OFF may help. ON is fine normally."}},
    {L"Frame7", {L"ゲーム中に頻繁にコマ落ちする場合に「ON」にします。偶にあるコマ落ちは問題外。通常は「OFF」で十分です。",
                 L"Turn it ON if the game often skips frames; an occasional skip is no reason. OFF is normally enough."}},
    {L"Frame9", {L"タイヤとボディの表示を適正化します。\u3000効果は完璧ではありませんが通常はONにしておきましょう。",
                 L"Makes tyres and bodies show properly. Not perfect, but normally leave it ON."}},
    {L"Option1", {L"ビデオメモリの値を設定します。あえて選択する意味はないと思われますので「自動検知」にしておきましょう。",
                  L"Sets the video memory. There is little reason to choose a size: leave it at Auto."}},
};
// clang-format on

const HelpArea* AreaNamed(std::wstring_view name) {
    for (const HelpArea& area : kHelpAreas) {
        if (area.name == name) return &area;
    }
    return nullptr;
}

}  // namespace

bool Form1::ShowHelpOf(std::wstring_view area) {
    const HelpArea* found = AreaNamed(area);
    if (found) SetCaption(Ctl(L"lblMes"), Shown(found->text));
    return found != nullptr;
}

void Form1::Form_MouseMove() { ShowHelpOf(L""); }

void Form1::Frame1_MouseMove() {
    // Only the palette frame's surface puts the link back to its resting look.
    SetLinkLook(false);
    ShowHelpOf(L"Frame1");
}

void Form1::lblLink1_MouseMove() {
    // The help line keeps the palette text set on the way over the frame.
    SetLinkLook(true);
}

void Form1::OnControlMouseMove(std::size_t row) {
    const ControlRow& entry = kForm1Design[row];
    switch (row) {
        case Ctl(L"Frame1"): return Frame1_MouseMove();
        case Ctl(L"lblLink1"): return lblLink1_MouseMove();
        default:
            // The other frames and the video memory options; no other control reacts to the pointer.
            if (entry.kind == Kind::Frame || entry.kind == Kind::Option) ShowHelpOf(entry.name);
            return;
    }
}

void Form1::OnControlFocus(std::size_t row) {
    // The keyboard user's way to the help: the control's own area, else its frame's.
    const ControlRow& entry = kForm1Design[row];
    if (!ShowHelpOf(entry.name) && !entry.container.empty()) ShowHelpOf(entry.container);
}

}  // namespace pelkor::app
