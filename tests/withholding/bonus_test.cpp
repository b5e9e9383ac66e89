#include "withholding/bonus.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "withholding/calculation_error_check.h"
#include "withholding/checked_amounts.h"

namespace nencho {
namespace {

// A band of the bonus wage groups as the table gives it: the n-th step of `step` yen from the
// band's first yen takes the n-th group; a band without a step has one group.
struct WageBand {
    std::int32_t from;
    std::int32_t last;
    std::int32_t step;
    std::vector<std::int32_t> groups;
};

TEST(BonusWageGroup, EveryStepOfEveryBandAndWholeThousands) {
    const WageBand bands[] = {
        {88'000, 139'999, 4'000, {90, 94, 98, 102, 106, 110, 114, 118, 122, 126, 130, 134, 138}},
        {140'000, 179'999, 5'000, {142, 148, 152, 158, 162, 168, 172, 178}},
        {180'000, 215'999, 6'000, {183, 189, 195, 201, 207, 213}},
        {216'000, 229'999, 7'000, {220, 226}},
        {230'000, 245'999, 8'000, {234, 242}},
        {246'000, 263'999, 9'000, {250, 260}},
        {264'000, 283'999, 10'000, {269, 279}},
        {284'000, 305'999, 11'000, {290, 300}},
        {306'000, 329'999, 12'000, {312, 324}},
        {330'000, 355'999, 13'000, {336, 350}},
        {356'000, 383'999, 14'000, {363, 377}},
        {384'000, 413'999, 15'000, {392, 406}},
        {414'000, 429'999, 0, {422}},
        {430'000, 446'999, 0, {438}},
        {447'000, 464'999, 0, {456}},
    };
    for (const WageBand& band : bands) {
        const std::int32_t step = band.step == 0 ? band.last - band.from + 1 : band.step;
        ASSERT_EQ(band.from + step * std::ssize(band.groups) - 1, band.last) << band.from;
        for (std::size_t n = 0; n < band.groups.size(); ++n) {
            const std::int32_t first = band.from + step * static_cast<std::int32_t>(n);
            EXPECT_EQ(bonusWageGroup(first), band.groups[n]) << first;
            EXPECT_EQ(bonusWageGroup(first + step - 1), band.groups[n]) << first + step - 1;
        }
    }
    const std::pair<std::int32_t, std::int32_t> outside[] = {
        {INT_MIN, 0},   {-1'000, 0},        {0, 0},
        {87'999, 0},    {465'000, 465},     {465'999, 465},
        {466'000, 466}, {1'000'000, 1'000}, {INT_MAX, 2'147'483},
    };
    for (const auto& [bonus, group] : outside) EXPECT_EQ(bonusWageGroup(bonus), group) << bonus;
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

// The six-dependants column leaves where 12 % takes over to the program, between 530,000, where
// 10 % begins, and 640,000, where 14 % does.
constexpr std::int32_t kSixDependantsTwelvePercent = 580'000;

TEST(BonusRate, EveryRateBoundOfEveryColumn) {
    struct RateRow {
        int rate;
        std::int32_t from[8];  // by the number of dependants, 0 to 7
    };
    const RateRow table[] = {
        {2, {65'000, 89'000, 123'000, 159'000, 195'000, 228'000, 259'000, 289'000}},
        {4, {71'000, 98'000, 140'000, 180'000, 219'000, 254'000, 288'000, 322'000}},
        {6, {77'000, 115'000, 248'000, 248'000, 248'000, 286'000, 324'000, 363'000}},
        {8, {85'000, 365'000, 393'000, 417'000, 441'000, 465'000, 488'000, 512'000}},
        {10, {371'000, 401'000, 427'000, 452'000, 478'000, 504'000, 530'000, 556'000}},
        {12,
         {410'000, 438'000, 466'000, 494'000, 522'000, 551'000, kSixDependantsTwelvePercent,
          610'000}},
        {14, {498'000, 498'000, 514'000, 545'000, 579'000, 610'000, 640'000, 669'000}},
        {16, {682'000, 704'000, 725'000, 747'000, 769'000, 790'000, 812'000, 834'000}},
        {18, {715'000, 739'000, 763'000, 787'000, 811'000, 836'000, 861'000, 886'000}},
        {20, {749'000, 774'000, 800'000, 825'000, 851'000, 877'000, 903'000, 930'000}},
        {22, {786'000, 813'000, 839'000, 867'000, 895'000, 923'000, 950'000, 978'000}},
        {24, {827'000, 856'000, 886'000, 915'000, 944'000, 973'000, 1'002'000, 1'032'000}},
        {26, {875'000, 906'000, 937'000, 968'000, 999'000, 1'030'000, 1'061'000, 1'092'000}},
        {28, {951'000, 983'000, 1'016'000, 1'048'000, 1'081'000, 1'114'000, 1'146'000, 1'179'000}},
        {30,
         {1'331'000, 1'356'000, 1'382'000, 1'407'000, 1'432'000, 1'457'000, 1'482'000, 1'508'000}},
        {32,
         {1'471'000, 1'498'000, 1'526'000, 1'554'000, 1'582'000, 1'610'000, 1'638'000, 1'665'000}},
        {35,
         {1'745'000, 1'778'000, 1'811'000, 1'844'000, 1'877'000, 1'910'000, 1'943'000, 1'976'000}},
    };
    for (int dependants = 0; dependants < 8; ++dependants) {
        SCOPED_TRACE(dependants);
        RateStarts starts;
        for (const RateRow& row : table) starts.emplace_back(row.rate, row.from[dependants]);
        expectRateStarts(dependants, starts);
    }
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
