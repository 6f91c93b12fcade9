#pragma once
// What the editor tests check on gr.ini and on the message boxes they expect.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_folder.h"
#include "support/recording_platform.h"

namespace pelkor::test {

inline constexpr wchar_t kNo02Text[] = L"書き込みできませんでした。\u3000";
inline constexpr wchar_t kNo02Title[] = L"エラー\u3000No.02";

// The bytes of a file in the profile functions' own form: the lines joined with CRLF.
inline std::string IniBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// Replaces the value of the first line "key=..." (the test files hold each key once).
inline void SetValue(std::vector<std::string>& lines, const std::string& key, const std::string& value) {
    for (std::string& line : lines) {
        if (line.rfind(key + "=", 0) == 0) {
            line = key + "=" + value;
            return;
        }
    }
    ADD_FAILURE() << "no line for " << key;
}

// gr.ini held open without sharing, as another program may hold it: the profile
// functions can then neither write nor read it.
class HeldIni {
public:
    explicit HeldIni(const GameFolder& game)
        : handle_(::CreateFileW(game.Ini().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "cannot hold gr.ini";
    }
    ~HeldIni() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    HeldIni(const HeldIni&) = delete;
    HeldIni& operator=(const HeldIni&) = delete;

private:
    HANDLE handle_;
};

// Exactly one message box was shown, with this text, title and type; the record is cleared.
inline void ExpectOneBox(RecordingPlatform& platform, const std::wstring& text, const std::wstring& title,
                         UINT type) {
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, text);
    EXPECT_EQ(platform.boxes[0].title, title);
    EXPECT_EQ(platform.boxes[0].type, type);
    platform.boxes.clear();
}

inline void ExpectNo02(RecordingPlatform& platform) {
    ExpectOneBox(platform, kNo02Text, kNo02Title, MB_OK | MB_ICONSTOP);
}

}  // namespace pelkor::test
