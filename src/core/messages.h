#pragma once
// The program's message boxes, each in both renditions.
#include "core/text.h"

namespace pelkor::core {

// The system's icon a box bears: every box has one OK button.
enum class Icon { None, Stop, Exclamation };

struct Message {
    Text text;
    Text title;  // empty: the box bears the program's name
    Icon icon;
};

inline constexpr Message kError01{{L"セッティングが出来ません。\u3000\r\n\r\nプログラムを終了します。",
                                   L"The settings cannot be shown.\r\n\r\nThe program will now close."},
                                  {L"エラー\u3000No.01", L"Error No.01"},
                                  Icon::Stop};
inline constexpr Message kError02{{L"書き込みできませんでした。\u3000", L"gr.ini could not be written."},
                                  {L"エラー\u3000No.02", L"Error No.02"},
                                  Icon::Stop};
inline constexpr Message kError03{{L"数値が範囲外です。\u3000\u3000\r\n\r\n実行しませんでした。",
                                   L"The number is out of range.\r\n\r\nNothing was applied."},
                                  {L"エラー No.03", L"Error No.03"},
                                  Icon::Exclamation};
inline constexpr Message kError04{{L"パレットファイルを指定してください。\u3000\u3000",
                                   L"Choose a palette file first."},
                                  {L"エラー No.04", L"Error No.04"},
                                  Icon::Exclamation};
inline constexpr Message kError05{{L"GeneRally.exeを起動できません。\u3000", L"GeneRally.exe could not be started."},
                                  {L"エラー\u3000No.05", L"Error No.05"},
                                  Icon::Stop};
// A web page that could not be opened: no title and no icon of its own.
inline constexpr Message kAccessFailure{
    {L"アクセスできませんでした。\r\n\r\nInternet Explorer もしくは Net環境の設定を確認してください。",
     L"The page could not be opened.\r\n\r\nCheck your browser and network settings."},
    {},
    Icon::None};

}  // namespace pelkor::core
