#include "settings/ini_access.h"

#include <windows.h>

#include <cstring>

#include "core/catalogue.h"
#include "settings/virtual_store.h"
#include "settings/wait_until_readable.h"
#include "win/failure.h"
#include "win/text.h"

namespace pelkor::settings {

std::wstring IniPathFor(const std::wstring& programDirectory) {
    std::wstring beside = programDirectory + L"\\" + std::wstring(core::kIniName);
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
    state.IniResult =
        ::WritePrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(), ansiValue.c_str(), ansiFile.c_str());
    // A refused write (read-only file, file held open, full disk) must not pass for success.
    if (!state.IniResult) throw RuntimeFailure("gr.ini could not be written");
}

void ProfileFile::PrepareReading() { iniFile_ = IniPathFor(directory_); }

bool ProfileFile::WaitedWhileHeld() { return WaitUntilReadable(iniFile_); }

std::optional<std::wstring> ProfileFile::Read(std::wstring_view section, std::wstring_view key) {
    try {
        state_.IniFileName = iniFile_;
        state_.IniSection = section;
        return ReadSetting(state_, key);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool ProfileFile::Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    try {
        state_.IniValue = value;
        WriteSetting(state_, directory_, section, key);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool ProfileFile::HasPaletteFolder() {
    paletteFolder_ = directory_ + L"\\" + std::wstring(core::kPaletteFolder);
    WIN32_FILE_ATTRIBUTE_DATA folder{};
    if (!::GetFileAttributesExW(paletteFolder_.c_str(), GetFileExInfoStandard, &folder) ||
        !(folder.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    paletteFolderWritten_ = folder.ftLastWriteTime;
    return true;
}

}  // namespace pelkor::settings
