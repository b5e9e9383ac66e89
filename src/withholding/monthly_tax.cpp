#include "withholding/monthly_tax.h"

#include <algorithm>
#include <array>
#include <limits>

namespace nencho {

namespace {

constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();

// Deduction of an amount d up to the bracket's bound: Int(d x rate + 0.9) + addend, computed in
// double precision in that order; a rate of 0 marks the fixed deduction.
struct DeductionBracket {
    std::int32_t upTo;
    double rate;
    std::int32_t addend;
};

constexpr auto IncomeDeductionBrackets = std::to_array<DeductionBracket>({
    {135'416, 0.0, 54'167},
    {149'999, 0.4, 0},
    {299'999, 0.3, 15'000},
    {549'999, 0.2, 45'000},
    {833'333, 0.1, 100'000},
    {kNoLimit, 0.05, 141'667},
});

// Tax before rounding of a taxable amount A up to the bracket's bound: A x rate - subtrahend.
struct TaxBracket {
    std::int32_t upTo;
    double rate;
    double subtrahend;
};

constexpr auto WithholdingBrackets = std::to_array<TaxBracket>({
    {275'000, 0.08, 0},
    {658'334, 0.16, 22'000},
    {750'000, 0.20, 48'334},
    {1'500'000, 0.30, 123'334},
    {kNoLimit, 0.37, 228'334},
});

constexpr std::int32_t kDeductionPerPerson = 31'667;

// The first bracket whose bound the amount does not exceed; the last one has no limit.
template <typename Bracket, std::size_t N>
const Bracket& bracketOf(const std::array<Bracket, N>& brackets, std::int32_t amount) {
    return *std::lower_bound(
        brackets.begin(), brackets.end(), amount,
        [](const Bracket& bracket, std::int32_t a) { return bracket.upTo < a; });
}

}  // namespace

std::int32_t employmentIncomeDeduction(std::int32_t subjectToTax) {
    const DeductionBracket& bracket = bracketOf(IncomeDeductionBrackets, subjectToTax);
    if (bracket.rate == 0) return bracket.addend;
    // At most a fifth of the amount above 135,416 yen, so it stays in range.
    return *floorToInt32(subjectToTax * bracket.rate + 0.9) + bracket.addend;
}

std::int32_t taxOnTaxableAmount(std::int32_t taxable) {
    const TaxBracket& bracket = bracketOf(WithholdingBrackets, taxable);
    const std::int32_t rounded = *nearestToInt32(taxable * bracket.rate - bracket.subtrahend);
    return rounded / 10 * 10;
}

MonthlyTax monthlyTax(std::int32_t pay, std::int32_t socialInsurance, std::int32_t dependants) {
    MonthlyTax result;
    result.subjectToTax =
        checkedAmount(std::int64_t{pay} - socialInsurance, "社会保険料等控除後の給与等の金額");
    result.afterIncomeDeduction = checkedAmount(
        std::int64_t{result.subjectToTax} - employmentIncomeDeduction(result.subjectToTax),
        "給与所得控除後の金額");
    result.basicAndDependantsDeduction = checkedAmount(
        (std::int64_t{dependants} + 1) * kDeductionPerPerson, "基礎控除と扶養控除の額");
    const std::int32_t taxable = checkedAmount(
        std::int64_t{result.afterIncomeDeduction} - result.basicAndDependantsDeduction,
        "課税給与所得金額");
    result.taxable = std::max(taxable, 0);
    result.tax = taxOnTaxableAmount(result.taxable);
    return result;
}

}  // namespace nencho
