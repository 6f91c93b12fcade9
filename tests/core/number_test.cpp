// The one conversion of text to a number, and the 16-bit rounding the display uses.
#include "core/number.h"

#include <gtest/gtest.h>

namespace pelkor::core {
namespace {

TEST(ParseNumber, AcceptsPlainDecimalWithSignPointExponentAndBlanks) {
    EXPECT_EQ(ParseNumber(L"45"), 45.0);
    EXPECT_EQ(ParseNumber(L" 45 "), 45.0);
    EXPECT_EQ(ParseNumber(L"\t007"), 7.0);
    EXPECT_EQ(ParseNumber(L"+7"), 7.0);
    EXPECT_EQ(ParseNumber(L"-12.9"), -12.9);
    EXPECT_EQ(ParseNumber(L".5"), 0.5);
    EXPECT_EQ(ParseNumber(L"5."), 5.0);
    EXPECT_EQ(ParseNumber(L"1e3"), 1000.0);
    EXPECT_EQ(ParseNumber(L"1E-2"), 0.01);
    EXPECT_EQ(ParseNumber(L"1e-400"), 0.0);  // too small is zero, not a failure
}

TEST(ParseNumber, RejectsEverythingElse) {
    for (const wchar_t* text : {L"", L"   ", L"abc", L"12abc", L"1,000", L"0x10", L"inf", L"nan", L"1e", L"e5", L"--1",
                                L"+-1", L".", L"1 2", L"１２", L"1e400", L"-1e400"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << "accepted: " << testing::PrintToString(std::wstring(text));
    }
}

TEST(ToInteger16, RoundsHalvesToEvenAndChecksTheRange) {
    EXPECT_EQ(ToInteger16(L"0.5"), 0);
    EXPECT_EQ(ToInteger16(L"1.5"), 2);
    EXPECT_EQ(ToInteger16(L"2.5"), 2);
    EXPECT_EQ(ToInteger16(L"-2.5"), -2);
    EXPECT_EQ(ToInteger16(L"640.4"), 640);
    EXPECT_EQ(ToInteger16(L"32767"), 32767);
    EXPECT_EQ(ToInteger16(L"-32768.5"), -32768);
    EXPECT_EQ(ToInteger16(L"32767.5"), std::nullopt);
    EXPECT_EQ(ToInteger16(L"32768"), std::nullopt);
    EXPECT_EQ(ToInteger16(L"-32769"), std::nullopt);
    EXPECT_EQ(ToInteger16(L""), std::nullopt);
}

TEST(PlainDecimal, WritesDigitsOnly) {
    EXPECT_EQ(PlainDecimal(12), L"12");
    EXPECT_EQ(PlainDecimal(-0.0), L"0");
    EXPECT_EQ(PlainDecimal(-45), L"-45");
    EXPECT_EQ(PlainDecimal(1e20), L"100000000000000000000");
}

}  // namespace
}  // namespace pelkor::core
