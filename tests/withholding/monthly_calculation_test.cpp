#include "withholding/monthly_calculation.h"

#include <gtest/gtest.h>

#include "withholding/calculation_error_check.h"
#include "withholding/checked_amounts.h"

namespace nencho {
namespace {

struct Expected {
    int grade;
    std::int32_t health, pension, employment, socialInsurance, payAfterSocialInsurance, tax,
        totalDeductions, netPay;
};

MonthlyInput input(std::int32_t pay, NursingCare nursingCare, bool health, bool pension,
                   bool employment, std::int32_t dependants) {
    return {pay, nursingCare, health, pension, employment, dependants};
}

TEST(CalculateMonth, PremiumsTaxAndTheLedgerRowAmounts) {
    constexpr auto without = NursingCare::Without;
    const std::pair<MonthlyInput, Expected> cases[] = {
        {input(250'000, without, true, true, false, 0),
         {260, 10'660, 17'654, 0, 28'314, 221'686, 8'680, 36'994, 213'006}},
        {input(250'000, without, true, true, true, 0),
         {260, 10'660, 17'654, 1'754, 30'068, 219'932, 8'580, 38'648, 211'352}},
        // Nursing care changes only the health premium and what follows from it.
        {input(250'000, NursingCare::With, true, true, false, 0),
         {260, 12'103, 17'654, 0, 29'757, 220'243, 8'600, 38'357, 211'643}},
        {input(250'000, without, false, false, true, 0),
         {260, 0, 0, 1'754, 1'754, 248'246, 10'160, 11'914, 238'086}},
        {input(250'000, without, true, true, false, 6),
         {260, 10'660, 17'654, 0, 28'314, 221'686, 0, 28'314, 221'686}},
        // A pay below its premiums: negative pay after social insurance, no tax.
        {input(9'000, without, true, true, false, 0),
         {98, 4'018, 6'654, 0, 10'672, -1'672, 0, 10'672, -1'672}},
        {input(0, without, true, true, true, 3), {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {input(-5'000, NursingCare::With, true, true, true, 0),
         {0, 0, 0, 0, 0, -5'000, 0, 0, -5'000}},
    };
    for (const auto& [in, expected] : cases) {
        const MonthlyCalculation month = calculateMonth(in);
        EXPECT_EQ(month.grade, expected.grade) << in.pay;
        EXPECT_EQ(month.health, expected.health) << in.pay;
        EXPECT_EQ(month.pension, expected.pension) << in.pay;
        EXPECT_EQ(month.employment, expected.employment) << in.pay;
        EXPECT_EQ(month.socialInsurance, expected.socialInsurance) << in.pay;
        EXPECT_EQ(month.payAfterSocialInsurance, expected.payAfterSocialInsurance) << in.pay;
        EXPECT_EQ(month.tax.tax, expected.tax) << in.pay;
        EXPECT_EQ(month.totalDeductions, expected.totalDeductions) << in.pay;
        EXPECT_EQ(month.netPay, expected.netPay) << in.pay;
    }
}

TEST(CalculateMonth, AnOverflowingDependantsCountNamesTheDeductionThatCouldNotBeFormed) {
    test::expectOverflowNaming("基礎控除と扶養控除の額", [] {
        calculateMonth(input(250'000, NursingCare::Without, true, true, false, 100'000));
    });
}

}  // namespace
}  // namespace nencho
