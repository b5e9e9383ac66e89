// What the calculation screens rely on from the withholding rules, whatever implements them.
#include <gtest/gtest.h>

#include <limits>

#include "withholding/bonus.h"
#include "withholding/calculation_error_check.h"
#include "withholding/checked_amounts.h"
#include "withholding/monthly_calculation.h"

namespace nencho {
namespace {

constexpr NursingCare kWith = NursingCare::With;
constexpr NursingCare kWithout = NursingCare::Without;

struct MonthlyCase {
    const char* name;
    MonthlyInput inputs;
    std::int32_t health, pension, employment, tax;
};

TEST(MonthlyCalculation, PremiumsCheckBoxesAndTax) {
    const MonthlyCase cases[] = {
        {"plain", {250000, kWithout, true, true, false, 0}, 10660, 17654, 0, 8680},
        {"nursing care", {250000, kWith, true, true, false, 0}, 12103, 17654, 0, 8600},
        {"employment", {250000, kWithout, true, true, true, 0}, 10660, 17654, 1754, 8580},
        {"two dependants", {250000, kWithout, true, true, false, 2}, 10660, 17654, 0, 3610},
        {"six dependants", {600000, kWithout, true, true, false, 6}, 24190, 40061, 0, 12950},
        {"no health", {250000, kWithout, false, true, false, 0}, 0, 17654, 0, 9270},
        {"no pension", {250000, kWithout, true, false, false, 0}, 10660, 0, 0, 9670},
        {"small pay", {100000, kWithout, true, true, false, 0}, 4018, 6654, 0, 280},
        {"large pay", {1000000, kWithout, true, true, false, 0}, 40180, 42098, 0, 91360},
        {"no pay", {0, kWith, true, true, true, 3}, 0, 0, 0, 0},
        {"below the premiums", {9000, kWithout, true, true, false, 0}, 4018, 6654, 0, 0},
    };
    for (const MonthlyCase& c : cases) {
        const MonthlyCalculation figures = calculateMonth(c.inputs);
        EXPECT_EQ(figures.health, c.health) << c.name;
        EXPECT_EQ(figures.pension, c.pension) << c.name;
        EXPECT_EQ(figures.employment, c.employment) << c.name;
        EXPECT_EQ(figures.tax.tax, c.tax) << c.name;
        const std::int32_t social = c.health + c.pension + c.employment;
        EXPECT_EQ(figures.socialInsurance, social) << c.name;
        EXPECT_EQ(figures.payAfterSocialInsurance, c.inputs.pay - social) << c.name;
        EXPECT_EQ(figures.totalDeductions, social + c.tax) << c.name;
        EXPECT_EQ(figures.netPay, c.inputs.pay - social - c.tax) << c.name;
    }
}

TEST(MonthlyCalculation, EmploymentPremiumsAndTheNursingCareRateInDoublePrecision) {
    const std::pair<std::int32_t, std::int32_t> employment[] = {
        {87999, 0},     {88000, 630},   {145000, 1033},  {155000, 1103},
        {216000, 1536}, {465000, 3255}, {1000000, 7000},
    };
    for (const auto& [pay, premium] : employment)
        EXPECT_EQ(calculateMonth({pay, kWithout, true, true, true, 0}).employment, premium) << pay;
    const std::pair<std::int32_t, std::int32_t> nursingCare[] = {
        {8908, 4561}, {330000, 15826}, {665000, 31653}, {955000, 45619}};
    for (const auto& [pay, premium] : nursingCare)
        EXPECT_EQ(calculateMonth({pay, kWith, true, true, false, 0}).health, premium) << pay;
}

TEST(MonthlyCalculation, APayBelowThePremiumsLeavesANegativeNetPay) {
    const MonthlyCalculation figures = calculateMonth({9000, kWithout, true, true, false, 0});
    EXPECT_EQ(figures.payAfterSocialInsurance, -1672);
    EXPECT_EQ(figures.netPay, -1672);
}

struct BonusCase {
    const char* name;
    BonusInput inputs;
    std::int32_t socialInsurance;
    int rate;
    std::int32_t tax;
};

TEST(BonusCalculation, PremiumsRateAndTax) {
    const BonusCase cases[] = {
        {"bonus of 500,000", {500000, 300000, 2, true, true}, 3500, 6, 29790},
        {"no insurance", {500000, 300000, 2, false, false}, 0, 6, 30000},
        {"health cut down", {333, 0, 0, true, false}, 0, 0, 0},
        {"lowest wage group", {88000, 0, 0, false, true}, 360, 0, 0},
        {"halves go to even", {145000, 0, 0, false, true}, 592, 0, 0},
        {"whole thousands", {465000, 0, 0, false, true}, 1860, 0, 0},
        {"tax cut to ten yen", {123456, 65000, 0, false, false}, 0, 2, 2460},
        {"column 0 below 2 %", {0, 64999, 0, false, false}, 0, 0, 0},
        {"column 0 at 10 %", {0, 371000, 0, false, false}, 0, 10, 0},
        {"column 0 below 10 %", {0, 370999, 0, false, false}, 0, 8, 0},
        {"column 6 at 10 %", {0, 530000, 6, false, false}, 0, 10, 0},
        {"column 6 below 14 %", {0, 639999, 6, false, false}, 0, 12, 0},
        {"column 6 at 14 %", {0, 640000, 6, false, false}, 0, 14, 0},
        {"seven or more at 35 %", {0, 1976000, 7, false, false}, 0, 35, 0},
        {"none below 35 %", {0, 1744999, 0, false, false}, 0, 32, 0},
        {"other number uses column 0", {0, 65000, 9, false, false}, 0, 2, 0},
    };
    for (const BonusCase& c : cases) {
        const BonusCalculation figures = calculateBonus(c.inputs);
        EXPECT_EQ(figures.socialInsurance, c.socialInsurance) << c.name;
        EXPECT_EQ(figures.afterSocialInsurance, c.inputs.bonus - c.socialInsurance) << c.name;
        EXPECT_EQ(figures.ratePercent, c.rate) << c.name;
        EXPECT_EQ(figures.tax, c.tax) << c.name;
    }
}

TEST(BonusCalculation, AmountsBeyondThirtyTwoBitsGiveNoFigures) {
    EXPECT_NO_THROW(calculateBonus({715827882, 0, 0, true, false}));
    EXPECT_THROW(calculateBonus({715827883, 0, 0, true, false}), CalculationError);
    EXPECT_NO_THROW(calculateBonus({61356675, 1745000, 0, false, false}));
    EXPECT_THROW(calculateBonus({61356676, 1745000, 0, false, false}), CalculationError);
}

TEST(ManualEntry, PayAfterSocialInsuranceBeyondThirtyTwoBitsIsAnError) {
    EXPECT_EQ(payAfterSocialInsurance(1000, 1500), -500);
    EXPECT_EQ(payAfterSocialInsurance(-2'000'000'000, 147'483'648), -2'147'483'648);
    test::expectOverflowNaming("社会保険料控除後の金額",
                               [] { payAfterSocialInsurance(-2'000'000'000, 2'000'000'000); });
}

}  // namespace
}  // namespace nencho
