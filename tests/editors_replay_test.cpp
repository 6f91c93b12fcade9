// The replay group: typed limits are checked against the number as typed, truncated,
// and written together, "Length" first; text that is not a number writes nothing.
#include "support/form_fixture.h"
#include "support/ini_checks.h"

namespace pelkor::test {
namespace {

class ReplayTest : public FormTest {
protected:
    void TypeLimits(const std::wstring& length, const std::wstring& step) {
        Type(Ctl(L"txt12", 2), length);
        Type(Ctl(L"txt12", 3), step);
    }
    void ExpectBoxes(const std::wstring& length, const std::wstring& step) {
        EXPECT_EQ(Text(Ctl(L"txt12", 2)), length);
        EXPECT_EQ(Text(Ctl(L"txt12", 3)), step);
    }
};

TEST_F(ReplayTest, ApplyChecksTruncatesAndWritesBothKeys) {
    std::vector<std::string> expected = TypicalIniWith("Length", "1234");
    SetValue(expected, "FrameStep", "9");
    game_.WriteIni(expected);
    StartShown();

    // Each case starts from what the previous one left in the file; nullptr: the file's
    // own value is put back and written again.
    struct Case {
        const wchar_t* length;
        const wchar_t* step;
        const char* writtenLength;
        const char* writtenStep;
    };
    const Case cases[] = {
        {L"30000", L"30", "30000", "30"},  // both bounds are inclusive
        {L"0", L"0", "0", "0"},
        {L"12.9", L"7", "12", "7"},
        {L"007", L"005", "7", "5"},
        {L" 45 ", L" 3 ", "45", "3"},
        {L"30001", L"4", nullptr, "4"},
        {L"-1", L"6", nullptr, "6"},
        {L"30000.5", L"8", nullptr, "8"},  // compared before truncation
        {L"100", L"30.5", "100", nullptr},
        {L"200", L"-0.5", "200", nullptr},
        {L"-0", L"29.99", "0", "29"},  // no minus sign on zero
        {L"1.5e3", L"1e1", "1500", "10"},
        // Full width, as typed with the input method on: read as ASCII, written as ASCII.
        {L"６００", L"５", "600", "5"},
        {L"\u3000１２．９\u3000", L"＋３０", "12", "30"},
        {L"－１", L"３０．５", nullptr, nullptr},
    };
    std::string length = "1234", step = "9";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.length) + L" / " + c.step));
        TypeLimits(c.length, c.step);
        Click(Ctl(L"Command5"));
        if (c.writtenLength) length = c.writtenLength;
        if (c.writtenStep) step = c.writtenStep;
        SetValue(expected, "Length", length);
        SetValue(expected, "FrameStep", step);
        EXPECT_TRUE(platform_.boxes.empty()) << "out of range is put back silently";
        EXPECT_EQ(game_.ReadIniBytes(), IniBytes(expected));
        const std::wstring shownLength(length.begin(), length.end()), shownStep(step.begin(), step.end());
        ExpectBoxes(shownLength, shownStep);
        EXPECT_EQ(Text(Ctl(L"lblNow2")), L" " + shownLength + L" / " + shownStep);
        platform_.boxes.clear();
    }
}

TEST_F(ReplayTest, TextThatIsNotANumberRestoresTheBoxesAndWritesNothing) {
    std::vector<std::string> lines = TypicalIniWith("Length", "1234");
    SetValue(lines, "FrameStep", "9");
    game_.WriteIni(lines);
    const std::string before = game_.ReadIniBytes();
    StartShown();

    struct Case {
        const wchar_t* length;
        const wchar_t* step;
        const wchar_t* lengthAfter;  // the step box always goes back to the file's value
    };
    const Case cases[] = {
        {L"", L"5", L"1234"},       {L"abc", L"5", L"1234"},  {L"1e400", L"5", L"1234"},  // beyond a double
        {L"12.9", L"abc", L"12.9"},  // the length box keeps what was typed
        {L"30001", L"", L"1234"},   {L"45", L"1e400", L"45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.length) + L" / " + c.step));
        TypeLimits(c.length, c.step);
        Click(Ctl(L"Command5"));
        ExpectOneBox(platform_, kNo03);
        ExpectBoxes(c.lengthAfter, L"9");
        EXPECT_EQ(game_.ReadIniBytes(), before);
    }
}

TEST_F(ReplayTest, WithoutTheReplaySectionApplyFailsAndResetAddsItLengthFirst) {
    std::vector<std::string> lines;
    for (const std::string& line : TypicalIni()) {
        if (line != "[Replay]" && line.rfind("Length=", 0) && line.rfind("FrameStep=", 0)) lines.push_back(line);
    }
    game_.WriteIni(lines);
    const std::string before = game_.ReadIniBytes();
    StartShown();

    // An out-of-range length is replaced by the missing file value, the empty text,
    // which then is no number.
    TypeLimits(L"30001", L"5");
    Click(Ctl(L"Command5"));
    ExpectOneBox(platform_, kNo03);
    ExpectBoxes(L"", L"");
    EXPECT_EQ(game_.ReadIniBytes(), before);

    // Reset writes exactly "600" and "5" whatever the boxes hold.
    TypeLimits(L"abc", L"-7.5");
    Click(Ctl(L"Command8"));
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_EQ(game_.ReadIniBytes(), before + "[Replay]\r\nLength=600\r\nFrameStep=5\r\n");
    ExpectBoxes(L"600", L"5");
}

TEST_F(ReplayTest, AnyEditorsRefreshReplacesTypedText) {
    game_.WriteIni(TypicalIni());
    game_.AddPalette(L"night.pal");
    StartShown();
    ChooseFile(L"night.pal");
    for (std::size_t row :
         {Ctl(L"Option1", 3), Ctl(L"Option2", 1), Ctl(L"Option3", 1), Ctl(L"Option4", 1), Ctl(L"Option5", 0),
          Ctl(L"Command1"), Ctl(L"Command2"), Ctl(L"Command6"), Ctl(L"Command7")}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(app::kForm1Design[row].name)));
        TypeLimits(L"999", L"9");
        Click(row);
        ExpectBoxes(L"600", L"5");
    }
    EXPECT_TRUE(platform_.boxes.empty());
    EXPECT_EQ(game_.Read("Replay", "Length"), "600");
}

}  // namespace
}  // namespace pelkor::test
