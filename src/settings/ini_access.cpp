#include "settings/ini_access.h"

#include <windows.h>

#include <cstring>

#include "settings/catalogue.h"
#include "settings/virtual_store.h"
#include "win/failure.h"
#include "win/text.h"

namespace pelkor::settings {

std::wstring IniPathFor(const std::wstring& programDirectory) {
    std::wstring beside = programDirectory + L"\\" + std::wstring(kIniName);
    if constexpr (kFollowsVirtualStore) {
        // Where the game's writes went to a per-user copy, that copy is the game's gr.ini.
        if (std::wstring copy = VirtualStoreCopyOf(beside); !copy.empty()) return copy;
    }
    return beside;
}

std::wstring ReadSetting(IniState& state, std::wstring_view key) {
    state.IniKey = key;
    state.ReadBufferSize = static_cast<std::int32_t>(state.ReadBuffer.size());
    const std::string section = win::ToAnsi(state.IniSection);
    const std::string iniKey = win::ToAnsi(state.IniKey);
    const std::string file = win::ToAnsi(state.IniFileName);
    state.IniResult = static_cast<std::int32_t>(
        ::GetPrivateProfileStringA(section.c_str(), iniKey.c_str(), "", state.ReadBuffer.data(),
                                   static_cast<DWORD>(state.ReadBufferSize), file.c_str()));
    // The buffer is not cleared between reads: only the text before the first NUL counts.
    const char* text = state.ReadBuffer.data();
    return win::FromAnsi(std::string_view(text, ::strnlen(text, state.ReadBuffer.size())));
}

void WriteSetting(IniState& state, const std::wstring& programDirectory, std::wstring_view section,
                  std::wstring_view key) {
    state.IniFileName = IniPathFor(programDirectory);
    state.IniSection = section;
    state.IniKey = key;
    // Convert everything before the call so that a text without an ANSI form writes nothing.
    const std::string ansiSection = win::ToAnsi(state.IniSection);
    const std::string ansiKey = win::ToAnsi(state.IniKey);
    const std::string ansiValue = win::ToAnsi(state.IniValue);
    const std::string ansiFile = win::ToAnsi(state.IniFileName);
    state.IniResult = ::WritePrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(), ansiValue.c_str(),
                                                   ansiFile.c_str());
    // A refused write (read-only file, file held open, full disk) must not pass for success.
    if (!state.IniResult) throw RuntimeFailure("gr.ini could not be written");
}

}  // namespace pelkor::settings
