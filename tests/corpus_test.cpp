// Odd and damaged gr.ini files: each is either shown with what the profile functions
// read, or ends the program with error No.01, and a write keeps everything else.
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/expected_messages.h"
#include "support/form_fixture.h"
#include "support/profile_dump.h"
#include "win/text.h"

namespace pelkor::test {
namespace {

struct CorpusFile {
    std::string name;
    std::string outcome;
};

std::string DataDir() { return PELKOR_TEST_DATA "/ini/"; }

std::vector<CorpusFile> LoadOutcomes() {
    std::ifstream in(DataDir() + "outcomes.txt");
    std::vector<CorpusFile> files;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        CorpusFile file;
        fields >> file.name >> file.outcome;
        files.push_back(file);
    }
    return files;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PrintTo(const CorpusFile& file, std::ostream* out) { *out << file.name << " (" << file.outcome << ")"; }

class Corpus : public FormTest, public ::testing::WithParamInterface<CorpusFile> {
protected:
    // Read as the program reads: at most 1023 bytes.
    std::wstring Profile(const char* section, const char* key) {
        char value[1024] = {};
        ::GetPrivateProfileStringA(section, key, "", value, sizeof(value), win::ToAnsi(game_.Ini()).c_str());
        return win::FromAnsi(value);
    }
};

TEST(CorpusList, HasTheFilesItNames) {
    const auto files = LoadOutcomes();
    ASSERT_GE(files.size(), 30u) << "outcomes.txt not found or short";
    for (const CorpusFile& file : files) {
        EXPECT_TRUE(file.outcome == "window" || file.outcome == "No.01") << file.name;
        EXPECT_FALSE(ReadBytes(DataDir() + file.name + ".ini").empty() && file.name != "empty") << file.name;
    }
}

TEST_P(Corpus, ShownOrError01AndNothingLostOnAWrite) {
    const CorpusFile& file = GetParam();
    game_.WriteIniBytes(ReadBytes(DataDir() + file.name + ".ini"));
    game_.AddPalette(L"gr.pal");

    if (file.outcome == "No.01") {
        EXPECT_FALSE(Start());
        ASSERT_EQ(platform_.boxes.size(), 1u);
        EXPECT_EQ(platform_.boxes[0].title, kNo01.title);
        return;
    }
    StartShown();
    // What the window shows is what the profile functions read.
    EXPECT_EQ(Text(Ctl(L"lblNow3")),
              L" " + Profile("Misc", "ScreenshotWidth") + L"×" + Profile("Misc", "ScreenshotHeight"));
    EXPECT_EQ(Text(Ctl(L"lblNow2")), L" " + Profile("Replay", "Length") + L" / " + Profile("Replay", "FrameStep"));
    EXPECT_EQ(Working(L"txt9", 2), Profile("Misc", "ScreenshotFormat"));
    EXPECT_EQ(Working(L"txt1", 2), Profile("Misc", "PaletteFile"));

    // A write changes its one key; every other section, entry and comment stays, in order.
    const ProfileDump before = DumpProfile(game_.Ini());
    const auto commentsBefore = CommentLines(game_.ReadIniBytes());
    Click(Ctl(L"Option1", 1));
    ASSERT_TRUE(platform_.boxes.empty());
    EXPECT_EQ(DumpProfile(game_.Ini()), WithKeySet(before, "Graphics", "VideoMemory", "4000"));
    EXPECT_EQ(CommentLines(game_.ReadIniBytes()), commentsBefore);
    EXPECT_EQ(Text(Ctl(L"lblNow7")), L" 4");
}

INSTANTIATE_TEST_SUITE_P(Files, Corpus, ::testing::ValuesIn(LoadOutcomes()),
                         [](const ::testing::TestParamInfo<CorpusFile>& tested) { return tested.param.name; });

}  // namespace
}  // namespace pelkor::test
