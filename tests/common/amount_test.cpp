#include "common/amount.h"

#include <gtest/gtest.h>

namespace nencho {
namespace {

TEST(AmountFormat, GroupsThousandsAndShowsZeroAsEmpty) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, ""},
        {1, "1"},
        {999, "999"},
        {1000, "1,000"},
        {-1234, "-1,234"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {2147483647, "2,147,483,647"},
        {-2147483648LL, "-2,147,483,648"},
    };
    for (const auto& [yen, text] : cases) EXPECT_EQ(formatAmount(yen), text) << yen;
}

TEST(AmountReading, AcceptsSignSeparatorsAndRoundsFractionsHalfToEven) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"1,234", 1234},
        {"1234", 1234},
        {" 56 ", 56},
        {"-1,000", -1000},
        {"+7", 7},
        {"12.5", 12},
        {"13.5", 14},
        {"12.51", 13},
        {"-2.5", -2},
        {"0.5", 0},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {",12", std::nullopt},
        {"1,,2", std::nullopt},
        {"-", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseAmount(text), expected) << text;
}

TEST(AmountReading, FullWidthDigitsMinusAndCommaReadAsTheirAsciiForms) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"１２", 12},
        {"２５００００", 250000},
        {"２５０，０００", 250000},
        {"－１，０００", -1000},
        {"\u22121,000", -1000},  // the minus sign U+2212
        {"1２3", 123},
        {"２，，０", std::nullopt},
        {"１２ａ", std::nullopt},
        {"２１４７４８３６４８", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseAmount(text), expected) << text;
    EXPECT_TRUE(readAmount("９９９９９９９９９９９").outOfRange);
}

TEST(AmountReading, GuardedReadGivesZeroForAnythingElse) {
    EXPECT_EQ(readAmountOrZero(""), 0);
    EXPECT_EQ(readAmountOrZero("x"), 0);
    EXPECT_EQ(readAmountOrZero("3,000,000,000"), 0);
    EXPECT_EQ(readAmountOrZero("3,000"), 3000);
}

}  // namespace
}  // namespace nencho

namespace nencho {
namespace {

TEST(AmountReading, TellsANumberBeyondThirtyTwoBitsFromNoNumber) {
    const std::pair<const char*, bool> cases[] = {
        {"2147483648", true},
        {"-2,147,483,649", true},
        {"99999999999999999999", true},
        {"12a", false},
        {"", false},
        {"1,,2", false},
    };
    for (const auto& [text, outOfRange] : cases) {
        const AmountReading reading = readAmount(text);
        EXPECT_FALSE(reading.value) << text;
        EXPECT_EQ(reading.outOfRange, outOfRange) << text;
    }
    EXPECT_EQ(readAmount("-2,147,483,648").value, -2147483648LL);
}

TEST(SmallNumbers, FitSixteenBits) {
    EXPECT_EQ(readSmallNumber("12"), 12);
    EXPECT_EQ(readSmallNumber("-32768"), -32768);
    EXPECT_FALSE(readSmallNumber("32768"));
    EXPECT_FALSE(readSmallNumber(""));
    EXPECT_FALSE(readSmallNumber("x"));
}

}  // namespace
}  // namespace nencho
