#include "withholding/typed_numbers.h"

#include <gtest/gtest.h>

#include "withholding/ledger_row.h"

namespace nencho {
namespace {

TEST(DependantsStepper, CountsFromZeroAndNeverBelowIt) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"", 1, "1"},  {"abc", 1, "1"}, {"3", 1, "4"},  {"32767", 1, "1"}, {"-5", 1, "-4"},
        {"", -1, "0"}, {"0", -1, "0"},  {"3", -1, "2"}, {"-5", -1, "0"},   {"99999", -1, "0"},
    };
    for (const auto& [text, step, expected] : cases)
        EXPECT_EQ(stepDependants(text, step), expected) << text << " " << step;
}

TEST(DependantsAnswer, AcceptsWholeNumbersFromFiveToNinetyNine) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"5", 5},
        {" 6 ", 6},
        {"99", 99},
        {"05", 5},
        {"4", std::nullopt},
        {"100", std::nullopt},
        {"-1", std::nullopt},
        {"6.5", std::nullopt},
        {"", std::nullopt},
        {"six", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readDependantsAnswer(text), expected) << text;
}

TEST(LedgerRow, BoxesOfMonthsAndBonuses) {
    const std::pair<int, int> months[] = {{1, 12}, {2, 21}, {3, 30}, {4, 39}, {5, 48}, {12, 111}};
    for (const auto& [month, box] : months)
        EXPECT_EQ(ledgerRowWrites(month, {}).front().box, box) << month;
    EXPECT_EQ(ledgerRowWrites(bonusRow(1), {}).front().box, 129);
    EXPECT_EQ(ledgerRowWrites(bonusRow(3), {}).front().box, 147);

    const auto writes = ledgerRowWrites(1, {9000, 10672, -1672, 0, 0});
    std::vector<std::pair<int, std::string>> seen;
    for (const LedgerBoxWrite& write : writes) seen.emplace_back(write.box, write.text);
    EXPECT_EQ(seen,
              (std::vector<std::pair<int, std::string>>{
                  {12, "9,000"}, {13, "10,672"}, {14, "-1,672"}, {15, ""}, {16, ""}, {18, ""}}));
}

}  // namespace
}  // namespace nencho
