#pragma once
// The two renditions of the program's texts: Japanese, as designed, and English.
#include <string_view>

namespace pelkor::core {

enum class Language { Japanese, English };

// One text in both renditions, side by side where the text is defined. A text without
// words (a figure, "512×384", "default") is the same in both and is written once.
struct Text {
    std::wstring_view japanese;
    std::wstring_view english;

    constexpr Text() = default;
    constexpr Text(const wchar_t* both) : japanese(both), english(both) {}
    constexpr Text(std::wstring_view japaneseText, std::wstring_view englishText)
        : japanese(japaneseText), english(englishText) {}

    constexpr std::wstring_view In(Language language) const {
        return language == Language::English ? english : japanese;
    }
    constexpr bool empty() const { return japanese.empty() && english.empty(); }
};

}  // namespace pelkor::core
