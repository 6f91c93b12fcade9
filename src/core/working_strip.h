#pragma once
// The main window's hidden strip of boxes: the refresh keeps there, group by group, the
// section, the key and the texts it read, and two editors take the file's own values
// from it. Text1 remembers the palette file the user chose in the list.
#include <array>
#include <string>
#include <string_view>

namespace pelkor::core {

struct WorkingStrip {
    std::wstring Text1;
    std::array<std::wstring, 4> txt1{L"txt1(0)パレット", L"txt1(1)", L"txt1(2)", L"txt1(3)"};
    std::array<std::wstring, 4> txt2{L"txt2(0)リプレイ", L"txt2(1)", L"txt2(2)", L"txt2(3)"};
    std::array<std::wstring, 4> txt3{L"txt3(0)スクショ", L"txt3(1)", L"txt3(2)", L"txt3(3)"};
    std::array<std::wstring, 5> txt4{L"txt4(0)視点", L"txt4(1)", L"txt4(2)", L"txt4(3)", L"txt4(4)"};
    std::array<std::wstring, 3> txt5{L"txt5(0)トラック", L"txt5(1)", L"txt5(2)"};
    std::array<std::wstring, 3> txt6{L"txt6(0)タイヤ", L"txt6(1)", L"txt6(2)"};
    std::array<std::wstring, 3> txt7{L"txt7(0)VRAM", L"txt7(1)", L"txt7(2)"};
    std::array<std::wstring, 3> txt8{L"txt8(0)Smoother", L"txt8(1)", L"txt8(2)"};
    std::array<std::wstring, 3> txt9{L"txt9(0)FILETIPE", L"txt9(1)", L"txt9(2)"};

    // A box by its array's name and index; nullptr for one the strip does not have.
    const std::wstring* Box(std::wstring_view array, int index) const;
};

}  // namespace pelkor::core
