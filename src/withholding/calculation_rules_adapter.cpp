// Adapter to the withholding rules.
//
// computeMonthly and computeBonus (calculation_inputs.h) are all the calculation screens know of
// the rules. The rule functions in the unnamed namespace below are a stand-in that follows the
// grade, wage group, deduction and rate tables; they are to be replaced by calls to the
// withholding rule functions of this folder, keeping the two entry points and their contract:
//   computeMonthly: premiums of the pay at the chosen health rate, the check boxes applied
//                   (health or pension 0 when ticked "なし", employment 0 unless ticked),
//                   then the tax of pay − social insurance for the dependants count.
//   computeBonus:   health 3/1,000 and employment 4 × wage group when chosen, the rate from
//                   the previous month's pay and the dependants number, tax cut to 10 yen.
// Both give no value when a figure leaves the signed 32-bit range.
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>

#include "withholding/calculation_inputs.h"

namespace nencho {

namespace {

std::optional<std::int32_t> fit32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// ---- Monthly premiums -------------------------------------------------------------------

int standardGrade(std::int32_t pay) {
    struct Row {
        std::int32_t from;
        int grade;
    };
    static constexpr Row kRows[] = {
        {955000, 980}, {905000, 930}, {855000, 880}, {810000, 830}, {770000, 790}, {730000, 750},
        {695000, 710}, {665000, 680}, {635000, 650}, {605000, 620}, {575000, 590}, {545000, 560},
        {515000, 530}, {485000, 500}, {455000, 470}, {425000, 440}, {395000, 410}, {370000, 380},
        {350000, 360}, {330000, 340}, {310000, 320}, {290000, 300}, {270000, 280}, {250000, 260},
        {230000, 240}, {210000, 220}, {195000, 200}, {185000, 190}, {175000, 180}, {165000, 170},
        {155000, 160}, {146000, 150}, {138000, 142}, {130000, 134}, {122000, 126}, {114000, 118},
        {107000, 110}, {101000, 104}, {8908, 98},
    };
    for (const Row& row : kRows)
        if (pay >= row.from) return row.grade;
    return 0;
}

std::int32_t healthPremium(int grade, bool withNursingCare) {
    if (!withNursingCare) return static_cast<std::int32_t>(std::floor((grade * 82) / 2.0));
    return static_cast<std::int32_t>(std::floor(grade * 93.1 / 2));
}

std::int32_t pensionPremium(int grade) {
    const auto premium = static_cast<std::int32_t>(std::floor(grade * 135.8 / 2));
    return premium > 42098 ? 42098 : premium;
}

float wageGroup(std::int32_t pay) {
    struct Band {
        std::int32_t from;
        std::int32_t below;
        std::int32_t step;  // 0: one group for the whole band
        double first;
    };
    static constexpr Band kBands[] = {
        {88000, 140000, 4000, 90},    {140000, 180000, 5000, 142.5},
        {180000, 216000, 6000, 183},  {216000, 230000, 7000, 219.5},
        {230000, 246000, 8000, 234},  {246000, 264000, 9000, 250.5},
        {264000, 284000, 10000, 269}, {284000, 306000, 11000, 289.5},
        {306000, 330000, 12000, 312}, {330000, 356000, 13000, 336.5},
        {356000, 384000, 14000, 363}, {384000, 414000, 15000, 391.5},
        {414000, 430000, 0, 422},     {430000, 447000, 0, 438.5},
        {447000, 465000, 0, 456},
    };
    if (pay >= 465000) return static_cast<float>(pay / 1000);
    for (const Band& band : kBands) {
        if (pay < band.from || pay >= band.below) continue;
        if (band.step == 0) return static_cast<float>(band.first);
        const std::int32_t steps = (pay - band.from) / band.step;
        return static_cast<float>(band.first + (band.step / 1000) * steps);
    }
    return 0.0f;
}

std::int32_t employmentPremium(std::int32_t pay) {
    const float product = wageGroup(pay) * 7.0f;
    auto premium = static_cast<std::int32_t>(std::nearbyint(product));
    switch (premium) {
        case 1032:
            return 1033;
        case 1102:
            return 1103;
        case 1172:
            return 1173;
        case 1242:
            return 1243;
        default:
            return premium;
    }
}

// ---- Monthly tax --------------------------------------------------------------------------

std::int64_t afterEmploymentDeduction(std::int64_t d) {
    if (d <= 135416) return d - 54167;
    const double x = static_cast<double>(d);
    double deduction;
    if (d < 150000)
        deduction = std::floor(x * 0.4 + 0.9);
    else if (d < 300000)
        deduction = std::floor(x * 0.3 + 0.9) + 15000;
    else if (d < 550000)
        deduction = std::floor(x * 0.2 + 0.9) + 45000;
    else if (d <= 833333)
        deduction = std::floor(x * 0.1 + 0.9) + 100000;
    else
        deduction = std::floor(x * 0.05 + 0.9) + 141667;
    return d - static_cast<std::int64_t>(deduction);
}

std::int64_t monthlyTax(std::int64_t subjectToTax, std::int64_t dependants) {
    std::int64_t taxable = afterEmploymentDeduction(subjectToTax) - (dependants + 1) * 31667;
    if (taxable <= 0) taxable = 0;
    const double a = static_cast<double>(taxable);
    double x;
    if (taxable <= 275000)
        x = a * 0.08;
    else if (taxable <= 658334)
        x = a * 0.16 - 22000;
    else if (taxable <= 750000)
        x = a * 0.2 - 48334;
    else if (taxable <= 1500000)
        x = a * 0.3 - 123334;
    else
        x = a * 0.37 - 228334;
    const auto rounded = static_cast<std::int64_t>(std::nearbyint(x));
    return rounded / 10 * 10;
}

// ---- Bonus --------------------------------------------------------------------------------

std::int32_t bonusWageGroup(std::int32_t bonus) {
    struct Band {
        std::int32_t from;
        std::int32_t to;
        std::int32_t step;
        std::initializer_list<int> groups;
    };
    static const Band kBands[] = {
        {88000, 139999, 4000, {90, 94, 98, 102, 106, 110, 114, 118, 122, 126, 130, 134, 138}},
        {140000, 179999, 5000, {142, 148, 152, 158, 162, 168, 172, 178}},
        {180000, 215999, 6000, {183, 189, 195, 201, 207, 213}},
        {216000, 229999, 7000, {220, 226}},
        {230000, 245999, 8000, {234, 242}},
        {246000, 263999, 9000, {250, 260}},
        {264000, 283999, 10000, {269, 279}},
        {284000, 305999, 11000, {290, 300}},
        {306000, 329999, 12000, {312, 324}},
        {330000, 355999, 13000, {336, 350}},
        {356000, 383999, 14000, {363, 377}},
        {384000, 413999, 15000, {392, 406}},
        {414000, 429999, 16000, {422}},  // one step as wide as the band
        {430000, 446999, 17000, {438}},
        {447000, 464999, 18000, {456}},
    };
    if (bonus >= 465000) return bonus / 1000;
    for (const Band& band : kBands) {
        if (bonus < band.from || bonus > band.to) continue;
        const auto index = static_cast<std::size_t>((bonus - band.from) / band.step);
        return band.groups.begin()[index];
    }
    return 0;
}

// Lowest previous month's pay of each rate, by dependants number 0 to 7.
constexpr int kBonusRates[] = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 35};
constexpr std::int32_t kBonusRateFrom[17][8] = {
    {65000, 89000, 123000, 159000, 195000, 228000, 259000, 289000},
    {71000, 98000, 140000, 180000, 219000, 254000, 288000, 322000},
    {77000, 115000, 248000, 248000, 248000, 286000, 324000, 363000},
    {85000, 365000, 393000, 417000, 441000, 465000, 488000, 512000},
    {371000, 401000, 427000, 452000, 478000, 504000, 530000, 556000},
    // Six dependants: 12 % taken from 580,000, between its neighbours' 551,000 and 610,000.
    {410000, 438000, 466000, 494000, 522000, 551000, 580000, 610000},
    {498000, 498000, 514000, 545000, 579000, 610000, 640000, 669000},
    {682000, 704000, 725000, 747000, 769000, 790000, 812000, 834000},
    {715000, 739000, 763000, 787000, 811000, 836000, 861000, 886000},
    {749000, 774000, 800000, 825000, 851000, 877000, 903000, 930000},
    {786000, 813000, 839000, 867000, 895000, 923000, 950000, 978000},
    {827000, 856000, 886000, 915000, 944000, 973000, 1002000, 1032000},
    {875000, 906000, 937000, 968000, 999000, 1030000, 1061000, 1092000},
    {951000, 983000, 1016000, 1048000, 1081000, 1114000, 1146000, 1179000},
    {1331000, 1356000, 1382000, 1407000, 1432000, 1457000, 1482000, 1508000},
    {1471000, 1498000, 1526000, 1554000, 1582000, 1610000, 1638000, 1665000},
    {1745000, 1778000, 1811000, 1844000, 1877000, 1910000, 1943000, 1976000},
};

int bonusRate(int dependantsNumber, std::int32_t previousMonthPay) {
    const int column = (dependantsNumber >= 0 && dependantsNumber <= 7) ? dependantsNumber : 0;
    int rate = 0;
    for (std::size_t row = 0; row < std::size(kBonusRates); ++row)
        if (previousMonthPay >= kBonusRateFrom[row][column]) rate = kBonusRates[row];
    return rate;
}

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    if (value % divisor != 0 && value < 0) --quotient;
    return quotient;
}

}  // namespace

std::optional<MonthlyFigures> computeMonthly(const MonthlyInputs& in) {
    MonthlyFigures out;
    out.pay = in.pay;
    const int grade = standardGrade(in.pay);
    out.health = in.noHealth ? 0 : healthPremium(grade, in.withNursingCare);
    out.pension = in.noPension ? 0 : pensionPremium(grade);
    out.employment = in.withEmployment ? employmentPremium(in.pay) : 0;
    out.socialInsurance = out.health + out.pension + out.employment;
    const auto after = fit32(std::int64_t{in.pay} - out.socialInsurance);
    if (!after) return std::nullopt;
    out.afterSocialInsurance = *after;
    const auto tax = fit32(monthlyTax(*after, in.dependants));
    const auto total = fit32(std::int64_t{out.socialInsurance} + tax.value_or(0));
    const auto net = fit32(std::int64_t{in.pay} - total.value_or(0));
    if (!tax || !total || !net) return std::nullopt;
    out.tax = *tax;
    out.totalDeductions = *total;
    out.netPay = *net;
    return out;
}

std::optional<BonusFigures> computeBonus(const BonusInputs& in) {
    BonusFigures out;
    const auto triple = fit32(std::int64_t{in.bonus} * 3);
    if (!triple) return std::nullopt;
    out.health = in.withHealth ? static_cast<std::int32_t>(floorDivide(*triple, 1000)) : 0;
    out.employment = in.withEmployment ? bonusWageGroup(in.bonus) * 4 : 0;
    out.socialInsurance = out.health + out.employment;
    const auto after = fit32(std::int64_t{in.bonus} - out.socialInsurance);
    if (!after) return std::nullopt;
    out.afterSocialInsurance = *after;
    out.ratePercent = bonusRate(in.dependantsNumber, in.previousMonthPay);
    const auto product = fit32(std::int64_t{out.ratePercent} * *after);
    if (!product) return std::nullopt;
    out.tax = static_cast<std::int32_t>(floorDivide(floorDivide(*product, 100), 10) * 10);
    return out;
}

}  // namespace nencho
