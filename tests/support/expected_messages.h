#pragma once
// The message boxes and help texts as the user must read them, typed here apart from the
// program's own tables so that a slip in either shows.
#include <windows.h>

namespace pelkor::test {

struct ExpectedBox {
    const wchar_t* text;
    const wchar_t* title;  // null: the box bears the program's name
    UINT type;
};

inline constexpr ExpectedBox kNo01{L"セッティングが出来ません。\u3000\r\n\r\nプログラムを終了します。",
                                   L"エラー\u3000No.01", MB_OK | MB_ICONSTOP};
inline constexpr ExpectedBox kNo02{L"書き込みできませんでした。\u3000", L"エラー\u3000No.02", MB_OK | MB_ICONSTOP};
inline constexpr ExpectedBox kNo03{L"数値が範囲外です。\u3000\u3000\r\n\r\n実行しませんでした。", L"エラー No.03",
                                   MB_OK | MB_ICONEXCLAMATION};
inline constexpr ExpectedBox kNo04{L"パレットファイルを指定してください。\u3000\u3000", L"エラー No.04",
                                   MB_OK | MB_ICONEXCLAMATION};
inline constexpr ExpectedBox kNo05{L"GeneRally.exeを起動できません。\u3000", L"エラー\u3000No.05", MB_OK | MB_ICONSTOP};
inline constexpr ExpectedBox kAccessFailure{
    L"アクセスできませんでした。\r\n\r\nInternet Explorer もしくは Net環境の設定を確認してください。", nullptr, MB_OK};

// The English window's title of No.03.
inline constexpr wchar_t kNo03EnglishTitle[] = L"Error No.03";

// The help line: over the window's own surface, and over each group.
inline constexpr wchar_t kGeneral[] =
    L"各項目の青色の窓が現在設定済みの値です。\u3000実行ボタンのない項目は操作後すぐ設定に反映されます。";
inline constexpr wchar_t kPalette[] =
    L"別途入手したパレットファイル(*.pal)を選択した後「パレット変更」を押してください。 「パレットWeb情報」もご覧下さい。";
inline constexpr wchar_t kScreenshot[] =
    L"スクリーンショットのサイズを選択します。\u3000貴方がお使いのモニタのスペックを確認してから変更しましょう。"
    L"\u3000操作後すぐ設定に反映されます。";
inline constexpr wchar_t kCamera[] =
    L"視点変更が出来ますが通常は初期値デフォルト(default)をお勧めします。\u3000「実行」もしくは「初期化」を押すと設定変更されます。";
inline constexpr wchar_t kReplay[] =
    L"数値を直接書き込んで「実行」を押してください。\u3000[時間上限 30000 ステップ上限 30] ゼロ以上の整数限定。 "
    L"初期値(600/5)です。";
inline constexpr wchar_t kPreview[] =
    L"トラックのプレビュー時に動作が遅い場合は、オブジェクトを表示しない設定(OFF)で改善される場合があります。"
    L"通常はONでかまいません。";
inline constexpr wchar_t kSmoother[] =
    L"ゲーム中に頻繁にコマ落ちする場合に「ON」にします。偶にあるコマ落ちは問題外。通常は「OFF」で十分です。";
inline constexpr wchar_t kTyres[] =
    L"タイヤとボディの表示を適正化します。\u3000効果は完璧ではありませんが通常はONにしておきましょう。";
inline constexpr wchar_t kVideoMemory[] =
    L"ビデオメモリの値を設定します。あえて選択する意味はないと思われますので「自動検知」にしておきましょう。";

}  // namespace pelkor::test
