#include "core/number.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pelkor::core {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::optional<double> ParseNumber(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    // Check the whole grammar first; strtod alone would accept "inf", hex and trailing junk.
    std::string ascii;
    std::size_t i = 0;
    auto take = [&](auto accept) {
        std::size_t n = 0;
        while (i < text.size() && accept(text[i])) {
            ascii += static_cast<char>(text[i++]);
            ++n;
        }
        return n;
    };
    take([&](wchar_t c) { return ascii.empty() && (c == L'+' || c == L'-'); });
    std::size_t digits = take(IsDigit);
    if (i < text.size() && text[i] == L'.') {
        ascii += '.';
        ++i;
        digits += take(IsDigit);
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ascii += 'e';
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ascii += static_cast<char>(text[i++]);
        if (take(IsDigit) == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    errno = 0;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<double> ParseTypedNumber(std::wstring_view text) {
    std::wstring ascii(text);
    for (wchar_t& c : ascii) {
        if (c >= L'\uFF10' && c <= L'\uFF19') {
            c = static_cast<wchar_t>(L'0' + (c - L'\uFF10'));
        } else if (c == L'\uFF0B') {
            c = L'+';
        } else if (c == L'\uFF0D') {
            c = L'-';
        } else if (c == L'\uFF0E') {
            c = L'.';
        } else if (c == L'\u3000') {
            c = L' ';
        }
    }
    return ParseNumber(ascii);
}

std::optional<std::int16_t> ToInteger16(std::wstring_view text) {
    const auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    const double rounded = std::nearbyint(*number);  // the default rounding mode sends halves to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::wstring PlainDecimal(double wholeNumber) {
    wchar_t buffer[400];
    std::swprintf(buffer, std::size(buffer), L"%.0f", wholeNumber);
    std::wstring text(buffer);
    if (text == L"-0") text = L"0";
    return text;
}

}  // namespace pelkor::core
