#pragma once
// Numbers typed by the user or read from gr.ini.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelkor::core {

// Plain decimal notation with optional sign, decimal point and exponent, blanks
// around it allowed. nullopt for the empty text, anything else, or a number beyond a double.
std::optional<double> ParseNumber(std::wstring_view text);

// A number as typed, where an input method may give full-width forms: the full-width
// digits, plus, minus, full stop and the ideographic space are read as their ASCII
// forms, and the rest as ParseNumber reads it.
std::optional<double> ParseTypedNumber(std::wstring_view text);

// A 16-bit signed whole number: a fraction goes to the nearest whole number, a half
// to the even neighbour. nullopt for a text that is not a number or lies outside
// -32768..32767 once rounded.
std::optional<std::int16_t> ToInteger16(std::wstring_view text);

// Plain decimal digits with a minus sign for a negative number: no blanks, no
// leading zeros, no decimal point, no exponent.
std::wstring PlainDecimal(double wholeNumber);

}  // namespace pelkor::core
