#pragma once
// The program's message boxes and the texts it sets at run time, each in both renditions.
#include <windows.h>

#include <optional>
#include <string>

#include "app/platform.h"
#include "win/language.h"

namespace pelkor::app {

struct Message {
    win::Text text;
    win::Text title;  // empty: the box bears the program's name
    UINT type;
};

inline constexpr Message kError01{
    {L"セッティングが出来ません。\u3000\r\n\r\nプログラムを終了します。", L"The settings cannot be shown.\r\n\r\nThe program ends."},
    {L"エラー\u3000No.01", L"Error No.01"}, MB_OK | MB_ICONSTOP};
inline constexpr Message kError02{{L"書き込みできませんでした。\u3000", L"gr.ini could not be written."},
                                  {L"エラー\u3000No.02", L"Error No.02"}, MB_OK | MB_ICONSTOP};
inline constexpr Message kError03{
    {L"数値が範囲外です。\u3000\u3000\r\n\r\n実行しませんでした。", L"The number is out of range.\r\n\r\nNothing was applied."},
    {L"エラー No.03", L"Error No.03"}, MB_OK | MB_ICONEXCLAMATION};
inline constexpr Message kError04{{L"パレットファイルを指定してください。\u3000\u3000", L"Choose a palette file first."},
                                  {L"エラー No.04", L"Error No.04"}, MB_OK | MB_ICONEXCLAMATION};
inline constexpr Message kError05{{L"GeneRally.exeを起動できません。\u3000", L"GeneRally.exe cannot be started."},
                                  {L"エラー\u3000No.05", L"Error No.05"}, MB_OK | MB_ICONSTOP};
// A web page that could not be opened: no title and no icon of its own.
inline constexpr Message kAccessFailure{
    {L"アクセスできませんでした。\r\n\r\nInternet Explorer もしくは Net環境の設定を確認してください。",
     L"The page could not be opened.\r\n\r\nCheck your browser and network settings."},
    {},
    MB_OK};

// Shows the message in the given rendition; the button pressed.
inline int ShowMessage(Platform& platform, HWND owner, const Message& message, win::Language language) {
    const std::wstring_view title = message.title.In(language);
    return platform.ShowMessageBox(owner, std::wstring(message.text.In(language)),
                                   title.empty() ? std::nullopt : std::optional<std::wstring>(title), message.type);
}

}  // namespace pelkor::app
