#pragma once
// The message boxes as the user must read them, typed here apart from the program's own
// table so that a slip in either shows.
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

}  // namespace pelkor::test
