#include "withholding/bonus.h"

#include <algorithm>
#include <array>

namespace nencho {

namespace {

// A band with a step is divided into steps of that width counted from its lower bound; the n-th
// step takes the n-th group. A band without a step has one group.
struct BonusWageBand {
    std::int32_t bonusFrom;
    std::int32_t step;
    int count;
    std::array<std::int16_t, 13> groups;
};

constexpr auto BonusWageGroupTable = std::to_array<BonusWageBand>({
    {88'000, 4'000, 13, {90, 94, 98, 102, 106, 110, 114, 118, 122, 126, 130, 134, 138}},
    {140'000, 5'000, 8, {142, 148, 152, 158, 162, 168, 172, 178}},
    {180'000, 6'000, 6, {183, 189, 195, 201, 207, 213}},
    {216'000, 7'000, 2, {220, 226}},
    {230'000, 8'000, 2, {234, 242}},
    {246'000, 9'000, 2, {250, 260}},
    {264'000, 10'000, 2, {269, 279}},
    {284'000, 11'000, 2, {290, 300}},
    {306'000, 12'000, 2, {312, 324}},
    {330'000, 13'000, 2, {336, 350}},
    {356'000, 14'000, 2, {363, 377}},
    {384'000, 15'000, 2, {392, 406}},
    {414'000, 0, 1, {422}},
    {430'000, 0, 1, {438}},
    {447'000, 0, 1, {456}},
});

// From this bonus on the group is the bonus in whole thousands.
constexpr std::int32_t kWholeThousandsFrom = 465'000;

// The steps of each band must end exactly where the next band begins.
constexpr bool bandsJoin() {
    for (std::size_t i = 0; i < BonusWageGroupTable.size(); ++i) {
        const BonusWageBand& band = BonusWageGroupTable[i];
        const std::int32_t end = i + 1 < BonusWageGroupTable.size()
                                     ? BonusWageGroupTable[i + 1].bonusFrom
                                     : kWholeThousandsFrom;
        const std::int32_t width = band.step == 0 ? end - band.bonusFrom : band.step * band.count;
        if (band.bonusFrom + width != end) return false;
    }
    return true;
}
static_assert(bandsJoin());

constexpr int kRateColumns = 8;

// Each cell is the lowest previous month's pay at which the row's rate applies in the column of
// that dependants number; below the first row the rate is 0 %.
struct RateRow {
    int percent;
    std::array<std::int32_t, kRateColumns> payFrom;
};

constexpr auto BonusRateTable = std::to_array<RateRow>({
    {2, {65'000, 89'000, 123'000, 159'000, 195'000, 228'000, 259'000, 289'000}},
    {4, {71'000, 98'000, 140'000, 180'000, 219'000, 254'000, 288'000, 322'000}},
    {6, {77'000, 115'000, 248'000, 248'000, 248'000, 286'000, 324'000, 363'000}},
    {8, {85'000, 365'000, 393'000, 417'000, 441'000, 465'000, 488'000, 512'000}},
    {10, {371'000, 401'000, 427'000, 452'000, 478'000, 504'000, 530'000, 556'000}},
    {12, {410'000, 438'000, 466'000, 494'000, 522'000, 551'000, 580'000, 610'000}},
    {14, {498'000, 498'000, 514'000, 545'000, 579'000, 610'000, 640'000, 669'000}},
    {16, {682'000, 704'000, 725'000, 747'000, 769'000, 790'000, 812'000, 834'000}},
    {18, {715'000, 739'000, 763'000, 787'000, 811'000, 836'000, 861'000, 886'000}},
    {20, {749'000, 774'000, 800'000, 825'000, 851'000, 877'000, 903'000, 930'000}},
    {22, {786'000, 813'000, 839'000, 867'000, 895'000, 923'000, 950'000, 978'000}},
    {24, {827'000, 856'000, 886'000, 915'000, 944'000, 973'000, 1'002'000, 1'032'000}},
    {26, {875'000, 906'000, 937'000, 968'000, 999'000, 1'030'000, 1'061'000, 1'092'000}},
    {28, {951'000, 983'000, 1'016'000, 1'048'000, 1'081'000, 1'114'000, 1'146'000, 1'179'000}},
    {30, {1'331'000, 1'356'000, 1'382'000, 1'407'000, 1'432'000, 1'457'000, 1'482'000, 1'508'000}},
    {32, {1'471'000, 1'498'000, 1'526'000, 1'554'000, 1'582'000, 1'610'000, 1'638'000, 1'665'000}},
    {35, {1'745'000, 1'778'000, 1'811'000, 1'844'000, 1'877'000, 1'910'000, 1'943'000, 1'976'000}},
});

// Within a column the amounts rise (equal amounts are not allowed: each rate owns a range).
constexpr bool columnsRise() {
    for (int column = 0; column < kRateColumns; ++column)
        for (std::size_t row = 1; row < BonusRateTable.size(); ++row)
            if (BonusRateTable[row].payFrom[column] <= BonusRateTable[row - 1].payFrom[column])
                return false;
    return true;
}
static_assert(columnsRise());

}  // namespace

std::int32_t bonusWageGroup(std::int32_t bonus) {
    if (bonus >= kWholeThousandsFrom) return bonus / 1000;
    auto past = std::upper_bound(
        BonusWageGroupTable.begin(), BonusWageGroupTable.end(), bonus,
        [](std::int32_t b, const BonusWageBand& band) { return b < band.bonusFrom; });
    if (past == BonusWageGroupTable.begin()) return 0;
    const BonusWageBand& band = *(past - 1);
    const std::int32_t step = band.step == 0 ? 0 : (bonus - band.bonusFrom) / band.step;
    return band.groups[static_cast<std::size_t>(step)];
}

int bonusRate(int dependants, std::int32_t previousMonthPay) {
    const int column = dependants >= 0 && dependants < kRateColumns ? dependants : 0;
    int percent = 0;
    for (const RateRow& row : BonusRateTable) {
        if (previousMonthPay < row.payFrom[static_cast<std::size_t>(column)]) break;
        percent = row.percent;
    }
    return percent;
}

BonusCalculation calculateBonus(const BonusInput& input) {
    BonusCalculation result;
    // The triple is formed even when health insurance is not deducted.
    const std::int32_t triple = checkedAmount(std::int64_t{input.bonus} * 3, "賞与の3倍の額");
    result.health = input.healthInsured ? *floorToInt32(triple / 1000.0) : 0;
    result.wageGroup = bonusWageGroup(input.bonus);
    result.employment = input.employmentInsured ? result.wageGroup * 4 : 0;
    result.socialInsurance = result.health + result.employment;

    result.afterSocialInsurance = checkedAmount(std::int64_t{input.bonus} - result.socialInsurance,
                                                "社会保険料控除後の賞与の金額");
    result.ratePercent = bonusRate(input.dependants, input.previousMonthPay);
    const std::int32_t product =
        checkedAmount(std::int64_t{result.ratePercent} * result.afterSocialInsurance,
                      "税率と社会保険料控除後の賞与の金額の積");
    result.tax = *floorToInt32(product / 100.0 / 10.0) * 10;
    return result;
}

}  // namespace nencho
