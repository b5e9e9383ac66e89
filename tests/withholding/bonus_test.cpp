#include "withholding/bonus.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "withholding/calculation_error_check.h"
#include "withholding/checked_amounts.h"

namespace nencho {
namespace {

TEST(BonusWageGroup, EachBandsFirstAndLastStepAndWholeThousands) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {INT_MIN, 0},         {-1'000, 0},    {0, 0},         {87'999, 0},    {88'000, 90},
        {91'999, 90},         {92'000, 94},   {139'999, 138}, {140'000, 142}, {145'000, 148},
        {179'999, 178},       {180'000, 183}, {215'999, 213}, {216'000, 220}, {229'999, 226},
        {230'000, 234},       {245'999, 242}, {246'000, 250}, {263'999, 260}, {264'000, 269},
        {283'999, 279},       {284'000, 290}, {305'999, 300}, {306'000, 312}, {329'999, 324},
        {330'000, 336},       {355'999, 350}, {356'000, 363}, {383'999, 377}, {384'000, 392},
        {413'999, 406},       {414'000, 422}, {429'999, 422}, {430'000, 438}, {446'999, 438},
        {447'000, 456},       {464'999, 456}, {465'000, 465}, {465'999, 465}, {1'000'000, 1'000},
        {INT_MAX, 2'147'483},
    };
    for (const auto& [bonus, group] : cases) EXPECT_EQ(bonusWageGroup(bonus), group) << bonus;
}

// (rate, the lowest previous month's pay at which it applies) for one column.
using RateStarts = std::vector<std::pair<int, std::int32_t>>;

void expectRateStarts(int dependants, const RateStarts& starts) {
    int previousRate = 0;
    for (const auto& [rate, from] : starts) {
        EXPECT_EQ(bonusRate(dependants, from - 1), previousRate) << dependants << " " << from - 1;
        EXPECT_EQ(bonusRate(dependants, from), rate) << dependants << " " << from;
        previousRate = rate;
    }
    EXPECT_EQ(bonusRate(dependants, INT_MIN), 0);
    EXPECT_EQ(bonusRate(dependants, INT_MAX), 35);
}

TEST(BonusRate, EveryRateBoundOfTheNoDependantsColumn) {
    expectRateStarts(0, {{2, 65'000},
                         {4, 71'000},
                         {6, 77'000},
                         {8, 85'000},
                         {10, 371'000},
                         {12, 410'000},
                         {14, 498'000},
                         {16, 682'000},
                         {18, 715'000},
                         {20, 749'000},
                         {22, 786'000},
                         {24, 827'000},
                         {26, 875'000},
                         {28, 951'000},
                         {30, 1'331'000},
                         {32, 1'471'000},
                         {35, 1'745'000}});
}

TEST(BonusRate, EveryRateBoundOfTheSixDependantsColumn) {
    expectRateStarts(6, {{2, 259'000},
                         {4, 288'000},
                         {6, 324'000},
                         {8, 488'000},
                         {10, 530'000},
                         {12, 580'000},
                         {14, 640'000},
                         {16, 812'000},
                         {18, 861'000},
                         {20, 903'000},
                         {22, 950'000},
                         {24, 1'002'000},
                         {26, 1'061'000},
                         {28, 1'146'000},
                         {30, 1'482'000},
                         {32, 1'638'000},
                         {35, 1'943'000}});
}

TEST(BonusRate, OtherColumnsSharedStartsAndNumbersOutsideTheColumns) {
    struct Case {
        int dependants;
        std::int32_t pay;
        int rate;
    };
    const Case cases[] = {
        {0, 64'999, 0},
        {0, 1'744'999, 32},
        {7, 1'976'000, 35},
        {7, 1'975'999, 32},
        {1, 88'999, 0},
        {1, 89'000, 2},
        {1, 498'000, 14},
        {0, 498'000, 14},
        {2, 248'000, 6},
        {3, 248'000, 6},
        {4, 248'000, 6},
        {5, 550'999, 10},
        {5, 551'000, 12},
        // Any number outside 0 to 7 uses the no-dependants column.
        {8, 89'000, 8},
        {-1, 89'000, 8},
        {100, 65'000, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(bonusRate(c.dependants, c.pay), c.rate) << c.dependants;
}

TEST(CalculateBonus, PremiumsRateAndTaxCutToTenYen) {
    struct Case {
        BonusInput input;
        BonusCalculation expected;
    };
    const Case cases[] = {
        // A bonus of 500,000: both insurances, two dependants, previous month 300,000.
        {{500'000, 300'000, 2, true, true}, {1'500, 500, 2'000, 3'500, 496'500, 6, 29'790}},
        {{0, 300'000, 2, true, true}, {0, 0, 0, 0, 0, 6, 0}},
        {{333, 0, 0, true, false}, {0, 0, 0, 0, 333, 0, 0}},  // 999 / 1,000 cut down
        {{88'000, 0, 0, false, true}, {0, 90, 360, 360, 87'640, 0, 0}},
        {{465'000, 0, 0, false, true}, {0, 465, 1'860, 1'860, 463'140, 0, 0}},
        // No insurance: the whole bonus is taxed; 2,469.12 is cut to 2,460.
        {{123'456, 65'000, 0, false, false}, {0, 122, 0, 0, 123'456, 2, 2'460}},
        // Both cuts go toward minus infinity.
        {{-333, 0, 0, true, false}, {-1, 0, 0, -1, -332, 0, 0}},
        {{-1'000, 65'000, 0, false, false}, {0, 0, 0, 0, -1'000, 2, -20}},
        // The largest amounts that stay in range.
        {{715'827'882, 0, 0, true, false}, {2'147'483, 715'827, 0, 2'147'483, 713'680'399, 0, 0}},
        {{61'356'675, 1'745'000, 0, false, false}, {0, 61'356, 0, 0, 61'356'675, 35, 21'474'830}},
    };
    for (const auto& [input, expected] : cases) {
        const BonusCalculation bonus = calculateBonus(input);
        EXPECT_EQ(bonus.health, expected.health) << input.bonus;
        EXPECT_EQ(bonus.wageGroup, expected.wageGroup) << input.bonus;
        EXPECT_EQ(bonus.employment, expected.employment) << input.bonus;
        EXPECT_EQ(bonus.socialInsurance, expected.socialInsurance) << input.bonus;
        EXPECT_EQ(bonus.afterSocialInsurance, expected.afterSocialInsurance) << input.bonus;
        EXPECT_EQ(bonus.ratePercent, expected.ratePercent) << input.bonus;
        EXPECT_EQ(bonus.tax, expected.tax) << input.bonus;
    }
}

TEST(CalculateBonus, AmountsLeavingThe32BitRangeGiveAnErrorNamingThem) {
    const char* const triple = "賞与の3倍の額";
    const char* const product = "税率と社会保険料控除後の賞与の金額の積";
    const std::pair<BonusInput, const char*> cases[] = {
        // The triple of the bonus, whether or not health insurance is deducted.
        {{715'827'883, 0, 0, true, true}, triple},
        {{715'827'883, 0, 0, false, false}, triple},
        {{-715'827'883, 0, 0, false, false}, triple},
        // 35 % of an amount after social insurance of 61,356,676 yen or more.
        {{61'356'676, 1'745'000, 0, false, false}, product},
        {{-61'356'676, 1'745'000, 0, false, false}, product},
    };
    for (const auto& [input, amount] : cases) {
        SCOPED_TRACE(input.bonus);
        test::expectOverflowNaming(amount, [&] { calculateBonus(input); });
    }
    // A rate of 0 % never overflows.
    EXPECT_NO_THROW(calculateBonus({700'000'000, 0, 0, false, false}));
}

}  // namespace
}  // namespace nencho
