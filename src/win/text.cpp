#include "win/text.h"

#include <windows.h>

#include "win/failure.h"

namespace pelkor::win {

std::string ToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    // The code page by its number: the error flag is valid only where the code page is
    // given as UTF-8 or GB 18030, not as CP_ACP, and those two take no best-fit flag.
    const UINT codePage = ::GetACP();
    const bool exact = codePage == CP_UTF8 || codePage == 54936;
    const DWORD flags = exact ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    // UTF-8 rejects the used-default flag; there the error flag does the same job.
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int size = ::WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, usedDefaultOut);
    if (size <= 0 || usedDefault) throw RuntimeFailure("text has no form in the ANSI code page");
    std::string out(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(codePage, flags, text.data(), length, out.data(), size, nullptr, usedDefaultOut);
    return out;
}

std::wstring FromAnsi(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring out(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), size);
    return out;
}

}  // namespace pelkor::win
