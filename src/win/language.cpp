#include "win/language.h"

#include <windows.h>

namespace pelkor::win {

Language UserLanguage() {
    // The display language, not the locale: a Japanese user with other regional formats
    // still reads Japanese, and a Japanese code page alone does not make one.
    return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese : Language::English;
}

}  // namespace pelkor::win
