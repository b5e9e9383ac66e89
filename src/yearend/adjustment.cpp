#include "yearend/adjustment.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/failure.h"
#include "common/int32.h"

namespace nencho {

namespace {

constexpr std::int32_t kLowestAmount = std::numeric_limits<std::int32_t>::min();

// Pay from `from` up to the next band's start is taken down to a multiple of `step` counted from
// `from`; a step of 0 takes the pay as it is.
struct PayStep {
    std::int32_t from;
    std::int32_t step;
};

constexpr std::array<PayStep, 5> kPaySteps = {{
    {kLowestAmount, 0},
    {1'619'000, 1'000},
    {1'620'000, 2'000},
    {1'624'000, 4'000},
    {6'600'000, 0},
}};

constexpr std::int32_t kHighestAdjustablePay = 20'000'000;

// Income = amount × rate − less, in double precision, then to the nearest yen.
struct RateBand {
    std::int32_t bound;
    double rate;
    double less;
};

// Each band holds from its bound up to the next band's bound.
constexpr std::array<RateBand, 11> kEmploymentIncomeBrackets = {{
    {kLowestAmount, 0.0, 0.0},
    {651'000, 1.0, 650'000.0},
    {1'619'000, 0.6, 2'400.0},
    {1'620'000, 0.6, 2'000.0},
    {1'622'000, 0.6, 1'200.0},
    {1'624'000, 0.6, 400.0},
    {1'628'000, 0.6, 0.0},
    {1'800'000, 0.7, 180'000.0},
    {3'600'000, 0.8, 540'000.0},
    {6'600'000, 0.9, 1'200'000.0},
    {10'000'000, 0.95, 1'700'000.0},
}};

// Each band holds up to and including its bound; above the last one there is no adjustment.
constexpr std::array<RateBand, 3> kAnnualTaxBrackets = {{
    {3'300'000, 0.1, 0.0},
    {9'000'000, 0.2, 330'000.0},
    {16'920'000, 0.3, 1'230'000.0},
}};

constexpr double kFixedRateReductionRate = 0.2;
constexpr std::int32_t kFixedRateReductionCap = 250'000;

template <typename Band, std::size_t N>
const Band& lastBandFrom(const std::array<Band, N>& bands, std::int32_t amount,
                         std::int32_t Band::*start) {
    auto it = std::find_if(bands.rbegin(), bands.rend(),
                           [&](const Band& band) { return band.*start <= amount; });
    return *it;  // the first band starts at the lowest amount
}

std::int32_t rateBandAmount(const RateBand& band, std::int32_t amount) {
    return nearestToInt32(static_cast<double>(amount) * band.rate - band.less).value();
}

void readSheetAmounts(const AdjustmentInput& input, AdjustmentResult& result) {
    using V = AdjustmentValue;
    result[V::MonthPay] = input.monthPay;
    result[V::BonusPay] = input.bonusPay;
    result[V::PayInAll] = input.payInAll;
    result[V::MonthTax] = input.monthTax;
    result[V::BonusTax] = input.bonusTax;
    result[V::TaxWithheld] = input.taxWithheld;
    result[V::SocialInsuranceFromPay] = input.socialInsuranceFromPay;
    for (const DeductionValue& deduction : kDeductionValues)
        result[deduction.value] = input.deductions.*deduction.figure;
}

std::optional<std::int32_t> deductionsInAll(const AdjustmentResult& result) {
    using V = AdjustmentValue;
    return fitSum({result[V::SocialInsuranceFromPay], result[V::DeclaredSocialInsurance],
                   result[V::MutualAidPremiums], result[V::LifeInsuranceDeduction],
                   result[V::CasualtyDeduction], result[V::SpouseSpecialDeduction],
                   result[V::DependantsDeduction]});
}

AdjustmentOutcome refuse(AdjustmentOutcome refusal, const AdjustmentInput& input,
                         AdjustmentResult& computed, AdjustmentResult& result) {
    computed[AdjustmentValue::RoundedPay] = 0;
    markNotAdjusted(input, computed);
    result = computed;
    return refusal;
}

[[noreturn]] void failOutOfRange() {
    throw Failure(
        "計算の途中の金額が扱える範囲（2,147,483,647 円）を超えるため、"
        "年末調整を計算できません。\n入力した金額を確かめてください。");
}

// The steps from the tax on the taxable income to the balance; false when out of range.
bool computeAnnualTax(AdjustmentResult& result) {
    using V = AdjustmentValue;
    const auto afterCredit =
        fitInt32(std::int64_t{result[V::TaxOnTaxableIncome]} - result[V::HousingLoanCredit]);
    if (!afterCredit) return false;
    result[V::TaxAfterCredit] = std::max(*afterCredit, 0);
    result[V::FixedRateReduction] = fixedRateReduction(result[V::TaxAfterCredit]);
    result[V::AnnualTax] = (result[V::TaxAfterCredit] - result[V::FixedRateReduction]) / 100 * 100;
    const auto balance = fitInt32(std::int64_t{result[V::AnnualTax]} - result[V::TaxWithheld]);
    if (!balance) return false;
    result[V::Balance] = *balance;
    return true;
}

}  // namespace

std::string_view adjustmentStatusText(AdjustmentStatus status) {
    return status == AdjustmentStatus::Adjusted ? "年末調整実行" : "年調しない";
}

std::optional<std::int32_t> tableStepRounding(std::int32_t payInAll) {
    if (payInAll > kHighestAdjustablePay) return std::nullopt;
    const PayStep& band = lastBandFrom(kPaySteps, payInAll, &PayStep::from);
    if (band.step == 0) return payInAll;
    return band.from + (payInAll - band.from) / band.step * band.step;
}

std::int32_t employmentIncome(std::int32_t roundedPay) {
    return rateBandAmount(lastBandFrom(kEmploymentIncomeBrackets, roundedPay, &RateBand::bound),
                          roundedPay);
}

std::optional<std::int32_t> taxableIncome(std::int32_t employmentIncome,
                                          std::int32_t deductionsInAll) {
    const auto difference = fitInt32(std::int64_t{employmentIncome} - deductionsInAll);
    if (!difference) return std::nullopt;
    const std::int64_t thousands = floorToInt32(static_cast<double>(*difference) / 1000.0).value();
    return static_cast<std::int32_t>(std::max<std::int64_t>(thousands * 1000, 0));
}

std::optional<std::int32_t> taxOnTaxableIncome(std::int32_t taxableIncome) {
    const auto band = std::find_if(kAnnualTaxBrackets.begin(), kAnnualTaxBrackets.end(),
                                   [&](const RateBand& b) { return taxableIncome <= b.bound; });
    if (band == kAnnualTaxBrackets.end()) return std::nullopt;
    return rateBandAmount(*band, taxableIncome);
}

std::int32_t fixedRateReduction(std::int32_t taxAfterCredit) {
    const std::int32_t reduction =
        floorToInt32(static_cast<double>(taxAfterCredit) * kFixedRateReductionRate).value();
    return std::min(reduction, kFixedRateReductionCap);
}

AdjustmentOutcome runYearEndAdjustment(const AdjustmentInput& input, AdjustmentResult& result) {
    using V = AdjustmentValue;
    AdjustmentResult computed = result;
    readSheetAmounts(input, computed);

    const auto roundedPay = tableStepRounding(input.payInAll);
    if (!roundedPay) return refuse(AdjustmentOutcome::RefusedPayTooHigh, input, computed, result);
    computed[V::RoundedPay] = *roundedPay;
    computed[V::EmploymentIncome] = employmentIncome(*roundedPay);

    const auto deductions = deductionsInAll(computed);
    if (!deductions) failOutOfRange();
    computed[V::DeductionsInAll] = *deductions;
    const auto taxable = taxableIncome(computed[V::EmploymentIncome], *deductions);
    if (!taxable) failOutOfRange();
    computed[V::TaxableIncome] = *taxable;

    const auto tax = taxOnTaxableIncome(*taxable);
    if (!tax) {
        return refuse(AdjustmentOutcome::RefusedTaxableIncomeTooHigh, input, computed, result);
    }
    computed[V::TaxOnTaxableIncome] = *tax;
    if (!computeAnnualTax(computed)) failOutOfRange();
    result = computed;
    return AdjustmentOutcome::Adjusted;
}

void markNotAdjusted(const AdjustmentInput& input, AdjustmentResult& result) {
    using V = AdjustmentValue;
    result[V::PayInAll] = input.payInAll;
    result[V::TaxWithheld] = input.taxWithheld;
    result[V::SocialInsuranceFromPay] = input.socialInsuranceFromPay;
    for (const V cleared :
         {V::DeclaredSocialInsurance, V::MutualAidPremiums, V::LifeInsuranceDeduction,
          V::CasualtyDeduction, V::SpouseSpecialDeduction, V::DependantsDeduction,
          V::DeductionsInAll, V::TaxableIncome, V::TaxOnTaxableIncome, V::HousingLoanCredit,
          V::TaxAfterCredit, V::FixedRateReduction, V::Balance}) {
        result[cleared] = 0;
    }
    result[V::AnnualTax] = input.taxWithheld;
}

AdjustmentStatus statusAfter(AdjustmentOutcome outcome) {
    return outcome == AdjustmentOutcome::Adjusted ? AdjustmentStatus::Adjusted
                                                  : AdjustmentStatus::NotAdjusted;
}

BalanceKind balanceKind(std::int32_t balance) {
    return balance > 0 ? BalanceKind::Shortfall : BalanceKind::Refund;
}

}  // namespace nencho
