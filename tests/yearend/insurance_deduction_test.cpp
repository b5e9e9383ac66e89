#include "yearend/insurance_deduction.h"

#include <gtest/gtest.h>

#include <limits>

namespace nencho {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(LifePremiumDeduction, FollowsTheBandEdgesUpToTheCap) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {-5'000, -5'000}, {0, 0},           {25'000, 25'000}, {25'001, 25'000}, {25'003, 25'001},
        {49'999, 37'499}, {50'000, 37'500}, {50'003, 37'500}, {99'999, 49'999}, {100'000, 50'000},
        {kMax, 50'000},
    };
    for (const auto& [total, deduction] : cases) {
        EXPECT_EQ(lifePremiumDeduction(total), deduction) << total;
    }
}

TEST(CasualtyPremiumDeduction, FollowsTheLongAndShortTermBands) {
    const std::pair<std::int32_t, std::int32_t> longTerm[] = {
        {-1'000, -1'000}, {10'000, 10'000}, {10'001, 10'000},
        {19'999, 14'999}, {20'000, 15'000}, {kMax, 15'000},
    };
    for (const auto& [premiums, deduction] : longTerm) {
        EXPECT_EQ(longTermCasualtyDeduction(premiums), deduction) << premiums;
    }
    const std::pair<std::int32_t, std::int32_t> shortTerm[] = {
        {-1'000, -1'000}, {2'000, 2'000}, {2'001, 2'000},
        {3'999, 2'999},   {4'000, 3'000}, {kMax, 3'000},
    };
    for (const auto& [premiums, deduction] : shortTerm) {
        EXPECT_EQ(shortTermCasualtyDeduction(premiums), deduction) << premiums;
    }
}

TEST(CasualtyPremiumDeduction, TogetherIsCappedAt15000WithNoLowerBound) {
    struct Case {
        std::int32_t longTerm, shortTerm;
        std::optional<std::int32_t> deduction;
    };
    const Case cases[] = {
        {20'000, 4'000, 15'000},  // not 18,000
        {12'000, 4'000, 14'000},  // 11,000 + 3,000
        {14'000, 2'000, 14'000},
        {16'000, 2'000, 15'000},  // 13,000 + 2,000 reaches the cap
        {-3'000, 1'000, -2'000},
        {kMin, -1, std::nullopt},  // two negative deductions beyond the range
    };
    for (const Case& c : cases) {
        EXPECT_EQ(casualtyPremiumDeduction(c.longTerm, c.shortTerm), c.deduction)
            << c.longTerm << " " << c.shortTerm;
    }
}

TEST(InsuranceDeductions, TotalsAndDeductionsOfTheScreen) {
    InsurancePremiums premiums;
    premiums.lifePremiums = {10'000, 10'000, 5'000};
    premiums.pensionPremiums = {60'000, 40'000};
    premiums.longTermCasualtyPremiums = 19'999;
    premiums.shortTermCasualtyPremiums = 3'999;
    premiums.mutualAidPremiums = 120'000;
    premiums.declaredSocialInsurance = 45'000;

    InsuranceDeductions expected;
    expected.lifeTotal = 25'000;
    expected.lifeDeduction = 25'000;
    expected.pensionTotal = 100'000;
    expected.pensionDeduction = 50'000;
    expected.lifeInsuranceDeduction = 75'000;
    expected.longTermDeduction = 14'999;
    expected.shortTermDeduction = 2'999;
    expected.casualtyDeduction = 15'000;
    expected.mutualAidPremiums = 120'000;
    expected.declaredSocialInsurance = 45'000;
    EXPECT_EQ(computeInsuranceDeductions(premiums), expected);
}

TEST(InsuranceDeductions, LifeAndPensionAtTheirCapsGive100000) {
    InsurancePremiums premiums;
    premiums.lifePremiums = {100'000, 0, 0};
    premiums.pensionPremiums = {0, 100'000};
    const auto result = computeInsuranceDeductions(premiums);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->lifeInsuranceDeduction, 100'000);
}

TEST(InsuranceDeductions, NothingTypedGivesZeroEverywhere) {
    EXPECT_EQ(computeInsuranceDeductions({}), InsuranceDeductions{});
}

TEST(InsuranceDeductions, SumsBeyondTheRangeAreAnError) {
    InsurancePremiums lifeTooHigh;
    lifeTooHigh.lifePremiums = {kMax, 1, 0};
    InsurancePremiums pensionTooLow;
    pensionTooLow.pensionPremiums = {kMin, -1};
    InsurancePremiums deductionsTooLow;  // each total in range, their deductions' sum is not
    deductionsTooLow.lifePremiums = {kMin, 0, 0};
    deductionsTooLow.pensionPremiums = {-1, 0};
    InsurancePremiums casualtyTooLow;
    casualtyTooLow.longTermCasualtyPremiums = kMin;
    casualtyTooLow.shortTermCasualtyPremiums = -1;
    for (const InsurancePremiums& premiums :
         {lifeTooHigh, pensionTooLow, deductionsTooLow, casualtyTooLow}) {
        EXPECT_FALSE(computeInsuranceDeductions(premiums).has_value());
    }
}

}  // namespace
}  // namespace nencho
