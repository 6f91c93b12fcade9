#include "support/game_folder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "win/text.h"

namespace pelkor::test {
namespace {

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(path.c_str());
}

}  // namespace

GameFolder::GameFolder(bool withPalettes, const std::wstring& nameSuffix, const std::wstring& parent) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    static unsigned counter = 0;
    path_ = (parent.empty() ? std::wstring(temp) : parent + L"\\") + L"pelkor-" +
            std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + nameSuffix;
    if (!path_.empty() && path_.back() == L'\\') path_.pop_back();
    RemoveTree(path_);
    if (!::CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create the game folder");
    if (withPalettes) ::CreateDirectoryW((path_ + L"\\Palettes").c_str(), nullptr);
}

GameFolder::~GameFolder() { RemoveTree(path_); }

void GameFolder::WriteIni(const std::vector<std::string>& lines) const { WriteIniBytes(IniBytes(lines)); }

std::string IniBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

void GameFolder::WriteIniBytes(const std::string& bytes) const { WriteFile(L"gr.ini", bytes); }

void GameFolder::WriteFile(const std::wstring& relative, const std::string& bytes) const {
    std::ofstream out((path_ + L"\\" + relative).c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string GameFolder::ReadIniBytes() const {
    std::ifstream in(Ini().c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool GameFolder::IniExists() const { return ::GetFileAttributesW(Ini().c_str()) != INVALID_FILE_ATTRIBUTES; }

void GameFolder::AddPalette(const std::wstring& name) const { WriteFile(L"Palettes\\" + name, std::string(768, '\0')); }

void GameFolder::RemovePalette(const std::wstring& name) const {
    ::DeleteFileW((path_ + L"\\Palettes\\" + name).c_str());
}

std::string GameFolder::Read(const char* section, const char* key) const {
    char buffer[2048] = {};
    const std::string file = win::ToAnsi(Ini());
    ::GetPrivateProfileStringA(section, key, "", buffer, sizeof(buffer), file.c_str());
    return buffer;
}

std::vector<std::string> TypicalIni() {
    return {
        "; written by the game",
        "[Misc]",
        "PlayerName=Driver",
        "PaletteFile=Palettes\\gr.pal",
        "ScreenshotWidth=640",
        "ScreenshotHeight=480",
        "AlternativeSpeedSetting=0",
        "ScreenshotFormat=bmp",
        "[Sound]",
        "Volume=80",
        "[Replay]",
        "Length=600",
        "FrameStep=5",
        "[Viewport]",
        "ViewAngle=default",
        "Rotation=default",
        "Zoom=default",
        "[Graphics]",
        "FasterTrackPreview=0",
        "TyreAutoSort=1",
        "Gamma=1.0",
        "VideoMemory=autodetect",
    };
}

std::vector<std::string> TypicalIniWith(const std::string& key, const char* value) {
    std::vector<std::string> lines;
    bool found = false;
    for (const std::string& line : TypicalIni()) {
        if (line.rfind(key + "=", 0) == 0) {
            found = true;
            if (value) lines.push_back(key + "=" + value);
        } else {
            lines.push_back(line);
        }
    }
    if (!found) throw std::logic_error("no such key in the typical file");
    return lines;
}

}  // namespace pelkor::test
