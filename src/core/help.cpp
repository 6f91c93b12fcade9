// The help line's texts: the window's surface, each frame and the video memory options
// explain their area.
#include "core/help.h"

namespace pelkor::core {
namespace {

// The areas that have a help text: the window's own surface (no name), the frames,
// and the video memory options.
struct HelpArea {
    std::wstring_view name;
    Text text;
};

// clang-format off
constexpr HelpArea kHelpAreas[] = {
    {L"", {L"各項目の青色の窓が現在設定済みの値です。\u3000実行ボタンのない項目は操作後すぐ設定に反映されます。",
           L"Each item's blue box shows its current value. Items without an Apply button take effect at once."}},
    {L"Frame1", {L"別途入手したパレットファイル(*.pal)を選択した後「パレット変更」を押してください。 「パレットWeb情報」もご覧下さい。",
                 L"Choose a palette file (*.pal) you got elsewhere, then press Change palette. See also Palettes online."}},
    {L"Frame3", {L"スクリーンショットのサイズを選択します。\u3000貴方がお使いのモニタのスペックを確認してから変更しましょう。\u3000操作後すぐ設定に反映されます。",
                 L"Choose the screenshot size. Check what your monitor can show before you change it. It takes effect at once."}},
    {L"Frame4", {L"視点変更が出来ますが通常は初期値デフォルト(default)をお勧めします。\u3000「実行」もしくは「初期化」を押すと設定変更されます。",
                 L"You can change the camera view, but default is recommended. Press Apply or Reset to change it."}},
    {L"Frame2", {L"数値を直接書き込んで「実行」を押してください。\u3000[時間上限 30000 ステップ上限 30] ゼロ以上の整数限定。 初期値(600/5)です。",
                 L"Type the numbers and press Apply. [Time up to 30000, interval up to 30] Whole numbers from 0; default 600/5."}},
    {L"Frame5", {L"トラックのプレビュー時に動作が遅い場合は、オブジェクトを表示しない設定(OFF)で改善される場合があります。通常はONでかまいません。",
                 L"If track previews are slow, turning the objects OFF may help. ON is normally fine."}},
    {L"Frame7", {L"ゲーム中に頻繁にコマ落ちする場合に「ON」にします。偶にあるコマ落ちは問題外。通常は「OFF」で十分です。",
                 L"Turn it ON if the game often skips frames; an occasional skip does not count. OFF is normally enough."}},
    {L"Frame9", {L"タイヤとボディの表示を適正化します。\u3000効果は完璧ではありませんが通常はONにしておきましょう。",
                 L"Makes tyres and car bodies show properly. Not perfect, but best left ON."}},
    {L"Option1", {L"ビデオメモリの値を設定します。あえて選択する意味はないと思われますので「自動検知」にしておきましょう。",
                  L"Sets the video memory size. There is little reason to choose one: leave it at Auto."}},
};
// clang-format on

}  // namespace

std::optional<Text> HelpOf(std::wstring_view area) {
    for (const HelpArea& entry : kHelpAreas) {
        if (entry.name == area) return entry.text;
    }
    return std::nullopt;
}

}  // namespace pelkor::core
