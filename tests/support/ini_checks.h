#pragma once
// What the editor tests check on gr.ini and on the message boxes they expect.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/expected_messages.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

namespace pelkor::test {

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

// Exactly one message box was shown, and it is this one; the record is cleared.
inline void ExpectOneBox(RecordingPlatform& platform, const ExpectedBox& expected) {
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, expected.text);
    EXPECT_EQ(platform.boxes[0].title, expected.title ? std::optional<std::wstring>(expected.title) : std::nullopt);
    EXPECT_EQ(platform.boxes[0].type, expected.type);
    platform.boxes.clear();
}

}  // namespace pelkor::test
