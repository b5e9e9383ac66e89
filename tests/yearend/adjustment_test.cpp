#include "yearend/adjustment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "adjustment_fixture.h"
#include "common/failure.h"

namespace nencho {
namespace {

using V = AdjustmentValue;
using test::shortfallOf12800;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// The value stored in line `line` (1 to 25) of the adjustment record.
std::int32_t recordLine(const AdjustmentResult& result, int line) {
    return result.at(kAdjustmentRecordValues.at(static_cast<std::size_t>(line - 1)));
}

TEST(EmploymentIncome, FollowsTheTableStepsAndBracketEdges) {
    struct Case {
        std::int32_t payInAll, roundedPay, income;
    };
    const Case cases[] = {
        {-5'000, -5'000, 0},
        {0, 0, 0},
        {650'999, 650'999, 0},
        {651'000, 651'000, 1'000},
        {1'618'999, 1'618'999, 968'999},
        {1'619'000, 1'619'000, 969'000},
        {1'619'999, 1'619'000, 969'000},
        {1'620'000, 1'620'000, 970'000},
        {1'621'999, 1'620'000, 970'000},
        {1'622'000, 1'622'000, 972'000},
        {1'623'999, 1'622'000, 972'000},
        {1'624'000, 1'624'000, 974'000},
        {1'627'999, 1'624'000, 974'000},
        {1'628'000, 1'628'000, 976'800},
        {1'799'999, 1'796'000, 1'077'600},
        {1'800'000, 1'800'000, 1'080'000},
        {3'599'999, 3'596'000, 2'337'200},
        {3'600'000, 3'600'000, 2'340'000},
        {6'599'999, 6'596'000, 4'736'800},
        {6'600'000, 6'600'000, 4'740'000},
        {6'600'005, 6'600'005, 4'740'004},  // a half goes to the even yen
        {6'600'015, 6'600'015, 4'740'014},
        {9'999'999, 9'999'999, 7'799'999},
        {10'000'000, 10'000'000, 7'800'000},
        {10'000'001, 10'000'001, 7'800'001},
        {20'000'000, 20'000'000, 17'300'000},
    };
    for (const Case& c : cases) {
        const auto rounded = tableStepRounding(c.payInAll);
        ASSERT_TRUE(rounded.has_value()) << c.payInAll;
        EXPECT_EQ(*rounded, c.roundedPay) << c.payInAll;
        EXPECT_EQ(employmentIncome(*rounded), c.income) << c.payInAll;
    }
    EXPECT_FALSE(tableStepRounding(20'000'001).has_value());
    EXPECT_FALSE(tableStepRounding(kMax).has_value());
}

TEST(AnnualTax, FollowsTheBracketEdges) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0},
        {1'000, 100},
        {3'300'000, 330'000},
        {3'301'000, 330'200},
        {9'000'000, 1'470'000},
        {9'001'000, 1'470'300},
        {16'920'000, 3'846'000},
    };
    for (const auto& [taxable, tax] : cases) EXPECT_EQ(taxOnTaxableIncome(taxable), tax) << taxable;
    EXPECT_FALSE(taxOnTaxableIncome(16'921'000).has_value());
}

TEST(TaxableIncome, IsCutDownToThousandsAndNeverNegative) {
    struct Case {
        std::int32_t income, deductions;
        std::optional<std::int32_t> taxable;
    };
    const Case cases[] = {
        {3'460'000, 1'425'000, 2'035'000},
        {3'460'999, 1'425'000, 2'035'000},
        {1'000'999, 1'000'000, 0},  // above the deductions by less than 1,000
        {1'000'000, 1'000'001, 0},  // below the deductions
        {500, 0, 0},
        {1'000, -1'000, 2'000},
        {17'300'000, kMin, std::nullopt},  // the difference leaves the range
    };
    for (const Case& c : cases) {
        EXPECT_EQ(taxableIncome(c.income, c.deductions), c.taxable)
            << c.income << " " << c.deductions;
    }
}

TEST(FixedRateReduction, IsAFifthCutDownToTheYenAndCapped) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0},
        {4, 0},
        {5, 1},
        {123'456, 24'691},
        {203'500, 40'700},
        {1'249'999, 249'999},
        {1'250'000, 250'000},
        {1'300'000, 250'000},
        {3'846'000, 250'000},
    };
    for (const auto& [tax, reduction] : cases) EXPECT_EQ(fixedRateReduction(tax), reduction) << tax;
}

// The highest taxable income (tax 3,846,000) and a housing-loan credit that leaves the tax asked.
AdjustmentResult adjustedWithTaxAfterCredit(std::int32_t taxAfterCredit) {
    AdjustmentInput input;
    input.payInAll = 20'000'000;                     // employment income 17,300,000
    input.deductions.dependantsDeduction = 380'000;  // taxable income 16,920,000
    input.deductions.housingLoanCredit = 3'846'000 - taxAfterCredit;
    AdjustmentResult result;
    EXPECT_EQ(runYearEndAdjustment(input, result), AdjustmentOutcome::Adjusted);
    return result;
}

TEST(AnnualTaxAfterReduction, IsCutDownToHundreds) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {123'456, 98'700},       // 123,456 − 24,691 = 98,765
        {1'300'000, 1'050'000},  // the reduction is capped at 250,000
        {1'250'000, 1'000'000},
        {199, 100},  // 199 − 39 = 160
        {99, 0},     // 99 − 19 = 80
    };
    for (const auto& [taxAfterCredit, annualTax] : cases) {
        const AdjustmentResult result = adjustedWithTaxAfterCredit(taxAfterCredit);
        EXPECT_EQ(result[V::TaxAfterCredit], taxAfterCredit);
        EXPECT_EQ(result[V::AnnualTax], annualTax) << taxAfterCredit;
    }
}

TEST(YearEndAdjustment, PayOf5000000With150000WithheldEndsInAShortfallOf12800) {
    AdjustmentResult result;
    ASSERT_EQ(runYearEndAdjustment(shortfallOf12800(), result), AdjustmentOutcome::Adjusted);
    EXPECT_EQ(statusAfter(AdjustmentOutcome::Adjusted), AdjustmentStatus::Adjusted);
    EXPECT_EQ(balanceKind(result[V::Balance]), BalanceKind::Shortfall);

    const std::pair<int, std::int32_t> lines[] = {
        {1, 4'200'000}, {2, 800'000}, {3, 5'000'000}, {4, 4'000},      {5, 150'000},
        {6, 3'460'000}, {7, 600'000}, {8, 0},         {9, 0},          {10, 50'000},
        {11, 15'000},   {12, 0},      {13, 760'000},  {14, 1'425'000}, {15, 2'035'000},
        {16, 203'500},  {17, 0},      {18, 203'500},  {19, 12'800},    {20, 5'000'000},
        {21, 0},        {22, 0},      {23, 0},        {24, 40'700},    {25, 162'800},
    };
    for (const auto& [line, value] : lines) EXPECT_EQ(recordLine(result, line), value) << line;
    EXPECT_EQ(result[V::MonthTax], 146'000);  // shown, not stored
}

TEST(YearEndAdjustment, BalanceOfZeroOrBelowIsARefund) {
    struct Case {
        std::int32_t taxWithheld, balance;
    };
    // The annual tax of the shortfall case is 162,800.
    const Case cases[] = {{162'800, 0}, {170'000, -7'200}, {162'700, 100}};
    for (const Case& c : cases) {
        AdjustmentInput input = shortfallOf12800();
        input.taxWithheld = c.taxWithheld;
        AdjustmentResult result;
        ASSERT_EQ(runYearEndAdjustment(input, result), AdjustmentOutcome::Adjusted);
        EXPECT_EQ(result[V::Balance], c.balance);
        EXPECT_EQ(balanceKind(c.balance),
                  c.balance > 0 ? BalanceKind::Shortfall : BalanceKind::Refund);
    }
}

TEST(YearEndAdjustment, DeductionsAboveTheIncomeLeaveNoTaxAndRefundTheWithholding) {
    AdjustmentInput input = shortfallOf12800();
    input.deductions.dependantsDeduction =
        2'800'000;  // deductions 3,465,000 above the income 3,460,000
    AdjustmentResult result;
    ASSERT_EQ(runYearEndAdjustment(input, result), AdjustmentOutcome::Adjusted);
    EXPECT_EQ(result[V::TaxableIncome], 0);
    EXPECT_EQ(result[V::TaxOnTaxableIncome], 0);
    EXPECT_EQ(result[V::FixedRateReduction], 0);
    EXPECT_EQ(result[V::AnnualTax], 0);
    EXPECT_EQ(result[V::Balance], -150'000);
    EXPECT_EQ(balanceKind(result[V::Balance]), BalanceKind::Refund);
}

TEST(YearEndAdjustment, HousingLoanCreditAboveTheTaxLeavesNoTax) {
    AdjustmentInput input = shortfallOf12800();
    input.deductions.housingLoanCredit = 300'000;
    AdjustmentResult result;
    ASSERT_EQ(runYearEndAdjustment(input, result), AdjustmentOutcome::Adjusted);
    EXPECT_EQ(result[V::TaxOnTaxableIncome], 203'500);
    EXPECT_EQ(result[V::HousingLoanCredit], 300'000);
    EXPECT_EQ(result[V::TaxAfterCredit], 0);
    EXPECT_EQ(result[V::FixedRateReduction], 0);
    EXPECT_EQ(result[V::AnnualTax], 0);
    EXPECT_EQ(result[V::Balance], -150'000);
}

TEST(YearEndAdjustment, RefusalsStoreTheNotAdjustedRecord) {
    struct Case {
        std::int32_t payInAll, dependantsDeduction;
        AdjustmentOutcome outcome;
        std::int32_t employmentIncome;  // line 6
    };
    const Case cases[] = {
        // Refused before the employment income: line 6 keeps the sheet's last computation.
        {20'000'001, 760'000, AdjustmentOutcome::RefusedPayTooHigh, 3'460'000},
        // Employment income 17,300,000 less 379,000: a taxable income of 16,921,000.
        {20'000'000, 379'000, AdjustmentOutcome::RefusedTaxableIncomeTooHigh, 17'300'000},
    };
    for (const Case& c : cases) {
        AdjustmentInput input = shortfallOf12800();
        input.monthPay = 17'000'000;
        input.bonusPay = c.payInAll - input.monthPay;
        input.payInAll = c.payInAll;
        input.bonusTax = 7'000;
        input.socialInsuranceFromPay = 0;
        input.deductions.lifeInsuranceDeduction = 0;
        input.deductions.casualtyDeduction = 0;
        input.deductions.dependantsDeduction = c.dependantsDeduction;
        input.deductions.housingLoanCredit = 10'000;
        AdjustmentResult result;  // the sheet's values after adjusting the shortfall case
        ASSERT_EQ(runYearEndAdjustment(shortfallOf12800(), result), AdjustmentOutcome::Adjusted);
        ASSERT_EQ(runYearEndAdjustment(input, result), c.outcome);
        EXPECT_EQ(statusAfter(c.outcome), AdjustmentStatus::NotAdjusted);
        const std::pair<int, std::int32_t> fromTheSheet[] = {
            {1, input.monthPay}, {2, input.bonusPay}, {4, input.bonusTax}, {5, input.taxWithheld}};
        for (const auto& [line, value] : fromTheSheet) {
            EXPECT_EQ(recordLine(result, line), value) << line;
        }
        EXPECT_EQ(recordLine(result, 6), c.employmentIncome);
        EXPECT_EQ(recordLine(result, 3), c.payInAll);
        EXPECT_EQ(recordLine(result, 20), 0);
        EXPECT_EQ(recordLine(result, 25), recordLine(result, 5));
        for (int line = 8; line <= 19; ++line) EXPECT_EQ(recordLine(result, line), 0) << line;
        EXPECT_EQ(recordLine(result, 24), 0);
    }
}

TEST(YearEndAdjustment, NotAdjustedAfterAnAdjustmentKeepsTheComputedPayValues) {
    AdjustmentResult result;
    ASSERT_EQ(runYearEndAdjustment(shortfallOf12800(), result), AdjustmentOutcome::Adjusted);
    markNotAdjusted(shortfallOf12800(), result);

    const std::pair<int, std::int32_t> kept[] = {
        {1, 4'200'000}, {2, 800'000},   {3, 5'000'000}, {4, 4'000},
        {5, 150'000},   {6, 3'460'000}, {7, 600'000},   {20, 5'000'000},
    };
    for (const auto& [line, value] : kept) EXPECT_EQ(recordLine(result, line), value) << line;
    for (int line = 8; line <= 19; ++line) EXPECT_EQ(recordLine(result, line), 0) << line;
    for (int line = 21; line <= 24; ++line) EXPECT_EQ(recordLine(result, line), 0) << line;
    EXPECT_EQ(recordLine(result, 25), 150'000);
    EXPECT_EQ(adjustmentStatusText(AdjustmentStatus::NotAdjusted), "年調しない");
    EXPECT_EQ(adjustmentStatusText(AdjustmentStatus::Adjusted), "年末調整実行");
}

TEST(YearEndAdjustment, AmountsLeavingTheRangeAreAFailureAndChangeNothing) {
    struct Case {
        const char* what;
        void (*change)(AdjustmentInput&);
    };
    const Case cases[] = {
        {"deductions in all",
         [](AdjustmentInput& in) { in.deductions.dependantsDeduction = kMax; }},
        {"income less deductions",
         [](AdjustmentInput& in) {
             in.deductions.declaredSocialInsurance = kMin;
             in.socialInsuranceFromPay = 0;
         }},
        {"tax less the housing credit",
         [](AdjustmentInput& in) { in.deductions.housingLoanCredit = kMin; }},
        {"annual tax less the tax withheld", [](AdjustmentInput& in) { in.taxWithheld = kMin; }},
    };
    AdjustmentResult before;
    ASSERT_EQ(runYearEndAdjustment(shortfallOf12800(), before), AdjustmentOutcome::Adjusted);
    for (const Case& c : cases) {
        AdjustmentInput input = shortfallOf12800();
        c.change(input);
        AdjustmentResult result = before;
        EXPECT_THROW(runYearEndAdjustment(input, result), Failure) << c.what;
        EXPECT_EQ(result, before) << c.what;
    }
}

// A deterministic generator (SplitMix64), so that a failure repeats.
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}
    std::int32_t between(std::int64_t low, std::int64_t high) {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return static_cast<std::int32_t>(low + static_cast<std::int64_t>(z % span));
    }

  private:
    std::uint64_t state_;
};

AdjustmentInput generatedInput(Generator& gen) {
    AdjustmentInput input;
    input.payInAll = gen.between(-100'000, 21'000'000);
    input.taxWithheld = gen.between(-10'000, 3'000'000);
    input.bonusTax = gen.between(0, input.taxWithheld < 0 ? 0 : input.taxWithheld);
    input.socialInsuranceFromPay = gen.between(0, 3'000'000);
    input.deductions.declaredSocialInsurance = gen.between(-1'000, 500'000);
    input.deductions.mutualAidPremiums = gen.between(0, 840'000);
    input.deductions.lifeInsuranceDeduction = gen.between(-5'000, 100'000);
    input.deductions.casualtyDeduction = gen.between(-5'000, 15'000);
    input.deductions.spouseSpecialDeduction = gen.between(0, 380'000);
    input.deductions.dependantsDeduction = gen.between(0, 5'000'000);
    input.deductions.housingLoanCredit = gen.between(0, 2) == 0 ? gen.between(0, 500'000) : 0;
    if (gen.between(0, 50) == 0) input.deductions.dependantsDeduction = gen.between(kMin, kMax);
    return input;
}

TEST(YearEndAdjustmentProperties, HoldForGeneratedYears) {
    Generator gen(20050101);
    AdjustmentResult result;
    int adjusted = 0;
    for (int i = 0; i < 20'000; ++i) {
        const AdjustmentInput input = generatedInput(gen);
        const AdjustmentResult before = result;
        AdjustmentOutcome outcome{};
        try {
            outcome = runYearEndAdjustment(input, result);
        } catch (const Failure&) {
            ASSERT_EQ(result, before) << i;
            continue;
        }
        adjusted += outcome == AdjustmentOutcome::Adjusted;
        const std::int32_t taxable = result[V::TaxableIncome];
        const std::int32_t annualTax = result[V::AnnualTax];
        ASSERT_EQ(taxable % 1'000, 0) << i;
        ASSERT_GE(taxable, 0) << i;
        ASSERT_LE(taxable, 16'920'000) << i;
        if (outcome == AdjustmentOutcome::Adjusted) {
            ASSERT_EQ(annualTax % 100, 0) << i;
            ASSERT_GE(annualTax, 0) << i;
            ASSERT_LE(result[V::FixedRateReduction], 250'000) << i;
            ASSERT_EQ(result[V::Balance], annualTax - input.taxWithheld) << i;
            ASSERT_EQ(balanceKind(result[V::Balance]) == BalanceKind::Shortfall,
                      result[V::Balance] > 0)
                << i;
        } else {
            ASSERT_EQ(annualTax, input.taxWithheld) << i;
            ASSERT_EQ(result[V::Balance], 0) << i;
        }
    }
    EXPECT_GT(adjusted, 10'000);  // the generator reaches the adjustment, not only refusals
}

}  // namespace
}  // namespace nencho
