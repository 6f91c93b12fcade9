// A read-only gr.ini. Under Wine root ignores the read-only attribute, so scripts/test
// runs these as an unprivileged user (tests/tools/run_unprivileged.sh); the test checks
// that the attribute really refuses writes before it trusts what it sees.
#include "support/expected_messages.h"
#include "support/form_fixture.h"

namespace pelkor::test {
namespace {

class ReadOnlyFile : public FormTest {
protected:
    void SetUp() override {
        game_.WriteIni(TypicalIni());
        game_.AddPalette(L"night.pal");
        ::SetFileAttributesW(game_.Ini().c_str(), FILE_ATTRIBUTE_READONLY);
        HANDLE probe = ::CreateFileW(game_.Ini().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            ::CloseHandle(probe);
            GTEST_FAIL() << "this user can write a read-only file; run through tests/tools/run_unprivileged.sh";
        }
        before_ = game_.ReadIniBytes();
        StartShown();
    }
    void TearDown() override { ::SetFileAttributesW(game_.Ini().c_str(), FILE_ATTRIBUTE_NORMAL); }

    std::string before_;
};

TEST_F(ReadOnlyFile, EveryWritingHandlerReportsTheRefusal) {
    const std::size_t clicks[] = {Ctl(L"Option1", 3), Ctl(L"Option2", 4), Ctl(L"Option3", 1), Ctl(L"Option4", 1),
                                  Ctl(L"Option5", 0), Ctl(L"Command5"),   Ctl(L"Command8"),   Ctl(L"Command6"),
                                  Ctl(L"Command7"),   Ctl(L"Command2")};
    for (std::size_t row : clicks) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        platform_.boxes.clear();
        Click(row);
        ASSERT_EQ(platform_.boxes.size(), 1u);
        EXPECT_EQ(platform_.boxes[0].title, kNo02.title);
        EXPECT_EQ(platform_.boxes[0].text, kNo02.text);
    }
    platform_.boxes.clear();
    ChooseFile(L"night.pal");
    Click(Ctl(L"Command1"));
    ASSERT_EQ(platform_.boxes.size(), 1u);
    EXPECT_EQ(platform_.boxes[0].title, kNo02.title);
    EXPECT_EQ(game_.ReadIniBytes(), before_);
    // The display was not refreshed to a value the file does not hold.
    EXPECT_EQ(Text(Ctl(L"lblNow3")), L" 640×480");
}

}  // namespace
}  // namespace pelkor::test
