#include "yearend/insurance_deduction.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/failure.h"

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
        std::int32_t deduction;
    };
    const Case cases[] = {
        {20'000, 4'000, 15'000},                           // not 18,000
        {12'000, 4'000, 14'000},                           // 11,000 + 3,000
        {14'000, 2'000, 14'000}, {16'000, 2'000, 15'000},  // 13,000 + 2,000 reaches the cap
        {-3'000, 1'000, -2'000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(casualtyPremiumDeduction(c.longTerm, c.shortTerm), c.deduction)
            << c.longTerm << " " << c.shortTerm;
    }
    EXPECT_THROW(casualtyPremiumDeduction(kMin, -1), Failure);  // beyond the range
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
    EXPECT_EQ(computeInsuranceDeductions(premiums).lifeInsuranceDeduction, 100'000);
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
        EXPECT_THROW(computeInsuranceDeductions(premiums), Failure);
    }
}

TEST(InsuranceRecordDeductions, ComputedLinesFollowTheTypedPremiumsOnly) {
    InsuranceRecord record;
    record.lifePolicies[0].insurer = "日本生命";
    record.lifePremiums = {60'000, 12'345, 0};
    record.pensionPremiums = {80'000, 0};
    record.casualtyPremiums = {50'000, 50'000};  // stored only
    record.longTermPremiums = 15'000;
    record.shortTermPremiums = 3'000;
    record.mutualAidPremiums = 84'000;
    record.lifeDeduction = 999;  // whatever stood before is recomputed
    computeInsuranceRecord(record);
    EXPECT_EQ(record.lifeTotal, 72'345);
    EXPECT_EQ(record.lifeDeduction, 43'086);
    EXPECT_EQ(record.pensionTotal, 80'000);
    EXPECT_EQ(record.pensionDeduction, 45'000);
    EXPECT_EQ(record.lifeInsuranceDeduction, 88'086);
    EXPECT_EQ(record.longTermDeduction, 12'500);
    EXPECT_EQ(record.shortTermDeduction, 2'500);
    EXPECT_EQ(record.casualtyDeduction, 15'000);
    EXPECT_EQ(record.mutualAidPremiums, 84'000);
    EXPECT_EQ(record.lifePolicies[0].insurer, "日本生命");
}

}  // namespace
}  // namespace nencho
