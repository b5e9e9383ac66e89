#include "printing/print_summary.h"

#include <gtest/gtest.h>

namespace nencho {
namespace {

TEST(PrintSummary, BalanceIsAShortfallOnlyWhenPositive) {
    struct Case {
        std::int32_t balance;
        bool shortfall;
        const char* caption;
        const char* amount;
    };
    const Case cases[] = {{0, false, "還 付 額", ""},
                          {-12'300, false, "還 付 額", "12,300"},
                          {5'000, true, "不 足 額", "5,000"},
                          {1, true, "不 足 額", "1"}};
    for (const Case& c : cases) {
        PrintData data;
        data.adjustmentResult[AdjustmentValue::Balance] = c.balance;
        const BalanceText text = balanceText(data);
        EXPECT_EQ(text.shortfall, c.shortfall) << c.balance;
        EXPECT_EQ(text.caption, c.caption) << c.balance;
        EXPECT_EQ(text.amount, c.amount) << c.balance;
    }
}

TEST(PrintSummary, FixedRateReductionShowsOnlyWhenThereIsOne) {
    PrintData data;
    EXPECT_EQ(fixedRateText(data).caption, "");
    EXPECT_EQ(fixedRateText(data).amount, "");
    data.adjustmentResult[AdjustmentValue::FixedRateReduction] = 12'300;
    EXPECT_EQ(fixedRateText(data).caption, "年調定率控除額");
    EXPECT_EQ(fixedRateText(data).amount, "12,300  円");
}

TEST(PrintSummary, PositionBirthDateAndPayKind) {
    PrintData data;
    EXPECT_EQ(positionText(data), "役職なし");
    EXPECT_EQ(birthDateText(data), "");
    EXPECT_EQ(payKindText(data), std::nullopt);
    data.personPosition = "監査役";
    data.birthEra = "昭和";
    data.birthYear = 45;
    data.birthMonth = 3;
    data.birthDay = 12;
    data.payKindTexts[3] = "給与";
    data.payKindTexts[1] = "給与";  // not its own word: ignored
    EXPECT_EQ(positionText(data), "監査役");
    EXPECT_EQ(birthDateText(data), "昭和 45年 3月 12日生");
    EXPECT_EQ(payKindText(data), "給与");
}

TEST(PrintSummary, ConditionsShowTheirWordsOnlyWhenSet) {
    PrintData data;
    data.personStatusTexts[2] = "障害者";
    data.personStatusTexts[5] = "特別寡婦";  // the last of the own conditions wins
    data.personStatusTexts[11] = "外国";     // not the word
    data.personStatusTexts[12] = "就　職";
    data.personStatusTexts[13] = "退　職";  // leaving wins over joining
    data.personStatusTexts[18] = "災害者";
    const ConditionTexts texts = conditionTexts(data);
    EXPECT_EQ(texts.ownCondition, "特別寡婦");
    EXPECT_EQ(texts.foreigner, std::nullopt);
    EXPECT_EQ(texts.joiningOrLeaving, "退　職");
    EXPECT_EQ(texts.disasterVictim, "災害者");
    EXPECT_EQ(texts.hasHusband, std::nullopt);
    EXPECT_EQ(texts.secondaryColumn, std::nullopt);
}

}  // namespace
}  // namespace nencho
