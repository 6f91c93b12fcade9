#pragma once
// A scratch game folder, under the temporary directory unless a parent is given, removed
// afterwards.
#include <windows.h>

#include <string>
#include <vector>

namespace pelkor::test {

class GameFolder {
public:
    // Makes the folder with an empty Palettes folder in it (unless withPalettes is false).
    explicit GameFolder(bool withPalettes = true, const std::wstring& nameSuffix = L"",
                        const std::wstring& parent = L"");
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring Ini() const { return path_ + L"\\gr.ini"; }

    // gr.ini from lines joined with CRLF (the profile functions' own form), or raw bytes.
    void WriteIni(const std::vector<std::string>& lines) const;
    void WriteIniBytes(const std::string& bytes) const;
    std::string ReadIniBytes() const;
    bool IniExists() const;
    void AddPalette(const std::wstring& name) const;
    void RemovePalette(const std::wstring& name) const;
    void WriteFile(const std::wstring& relative, const std::string& bytes) const;

    // What the profile functions read for a key ("" when missing), in the ANSI code page.
    std::string Read(const char* section, const char* key) const;

private:
    std::wstring path_;
};

// The bytes of a file in the profile functions' own form: the lines joined with CRLF.
std::string IniBytes(const std::vector<std::string>& lines);

// The thirteen keys with ordinary values, and some unknown ones around them.
std::vector<std::string> TypicalIni();
// TypicalIni with one key's value replaced (or the line removed when value is null).
std::vector<std::string> TypicalIniWith(const std::string& key, const char* value);

}  // namespace pelkor::test
