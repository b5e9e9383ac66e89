#pragma once
// The year-end adjustment of one person's year: from the pay, the tax withheld and the
// deductions to the annual tax and the refund or shortfall.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace nencho {

// The numbered values of the adjustment. Numbers 15, 18 to 20 are never used and 26 to 28 are
// always 0; they keep their numbers because the stored record and the printouts go by them.
enum class AdjustmentValue {
    MonthPay = 1,
    BonusPay = 2,
    PayInAll = 3,
    MonthTax = 4,
    BonusTax = 5,
    TaxWithheld = 6,
    EmploymentIncome = 7,
    SocialInsuranceFromPay = 8,
    DeclaredSocialInsurance = 9,
    MutualAidPremiums = 10,
    LifeInsuranceDeduction = 11,
    CasualtyDeduction = 12,
    SpouseSpecialDeduction = 13,
    DependantsDeduction = 14,
    DeductionsInAll = 16,
    TaxableIncome = 17,
    TaxOnTaxableIncome = 21,
    HousingLoanCredit = 22,
    TaxAfterCredit = 23,
    Balance = 24,
    RoundedPay = 25,
    FixedRateReduction = 29,
    AnnualTax = 30,
};

// The values 1 to 30 of the year-end sheet. One set belongs to the sheet, not to a person:
// each action overwrites only the values it sets, the others keep what the last action left.
class AdjustmentResult {
  public:
    static constexpr int kCount = 30;

    std::int32_t operator[](AdjustmentValue value) const { return at(static_cast<int>(value)); }
    std::int32_t& operator[](AdjustmentValue value) { return values_.at(static_cast<int>(value)); }
    // By number, 1 to 30.
    std::int32_t at(int number) const { return values_.at(number); }

    bool operator==(const AdjustmentResult&) const = default;

  private:
    std::array<std::int32_t, kCount + 1> values_{};  // element 0 is unused
};

// The values stored in lines 1 to 25 of the person's adjustment record, in line order.
inline constexpr std::array<int, 25> kAdjustmentRecordValues = {
    1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};

enum class AdjustmentStatus { Adjusted, NotAdjusted };

// "年末調整実行" or "年調しない", as shown on the sheet and stored in line 26 of the record.
std::string_view adjustmentStatusText(AdjustmentStatus status);

// The deductions the adjustment takes from the person's deduction records (insurance, dependants,
// spouse and housing), as the year-end sheet shows them.
struct DeductionFigures {
    std::int32_t declaredSocialInsurance = 0;
    std::int32_t mutualAidPremiums = 0;
    std::int32_t lifeInsuranceDeduction = 0;
    std::int32_t casualtyDeduction = 0;
    std::int32_t spouseSpecialDeduction = 0;
    std::int32_t dependantsDeduction = 0;
    std::int32_t housingLoanCredit = 0;
};

// Each deduction figure and the adjustment value it becomes.
struct DeductionValue {
    std::int32_t DeductionFigures::*figure;
    AdjustmentValue value;
};
inline constexpr DeductionValue kDeductionValues[] = {
    {&DeductionFigures::declaredSocialInsurance, AdjustmentValue::DeclaredSocialInsurance},
    {&DeductionFigures::mutualAidPremiums, AdjustmentValue::MutualAidPremiums},
    {&DeductionFigures::lifeInsuranceDeduction, AdjustmentValue::LifeInsuranceDeduction},
    {&DeductionFigures::casualtyDeduction, AdjustmentValue::CasualtyDeduction},
    {&DeductionFigures::spouseSpecialDeduction, AdjustmentValue::SpouseSpecialDeduction},
    {&DeductionFigures::dependantsDeduction, AdjustmentValue::DependantsDeduction},
    {&DeductionFigures::housingLoanCredit, AdjustmentValue::HousingLoanCredit},
};

// The amounts of the year-end sheet that the adjustment reads (a box that does not read as an
// amount is handed over as 0).
struct AdjustmentInput {
    std::int32_t monthPay = 0;
    std::int32_t bonusPay = 0;
    std::int32_t payInAll = 0;
    std::int32_t monthTax = 0;
    std::int32_t bonusTax = 0;
    std::int32_t taxWithheld = 0;
    std::int32_t socialInsuranceFromPay = 0;
    DeductionFigures deductions;
};

enum class AdjustmentOutcome {
    Adjusted,
    // Pay in all of 20,000,001 yen or more: the person is recorded as not adjusted.
    RefusedPayTooHigh,
    // Taxable income above 16,920,000 yen: the person is recorded as not adjusted.
    RefusedTaxableIncomeTooHigh,
};

// Computes the adjustment into `result`. A refusal leaves `result` as the not-adjusted action
// leaves it (after setting the rounded pay to 0). A sum or difference that leaves the signed
// 32-bit range is a Failure; `result` is then left untouched and nothing may be stored.
AdjustmentOutcome runYearEndAdjustment(const AdjustmentInput& input, AdjustmentResult& result);

// Records the person as not adjusted: the annual tax is the tax withheld, with no deduction and
// no balance. Values 1, 2, 4, 5, 7 and 25 keep what they hold.
void markNotAdjusted(const AdjustmentInput& input, AdjustmentResult& result);

// The status an outcome leaves on the sheet and in the record.
AdjustmentStatus statusAfter(AdjustmentOutcome outcome);

enum class BalanceKind { Shortfall, Refund };

// Above 0 the person pays the shortfall; 0 or below is a refund.
BalanceKind balanceKind(std::int32_t balance);

// The steps of the adjustment, each on its own.

// The pay in all on the table's steps; none above 20,000,000 yen.
std::optional<std::int32_t> tableStepRounding(std::int32_t payInAll);

// The employment income of a rounded pay of at most 20,000,000 yen.
std::int32_t employmentIncome(std::int32_t roundedPay);

// Employment income less the deductions, cut down to 1,000 yen and never negative; none when the
// difference leaves the range.
std::optional<std::int32_t> taxableIncome(std::int32_t employmentIncome,
                                          std::int32_t deductionsInAll);

// The tax on a non-negative taxable income; none above 16,920,000 yen.
std::optional<std::int32_t> taxOnTaxableIncome(std::int32_t taxableIncome);

// 20 % of the tax after the housing-loan credit, cut down to the yen, at most 250,000 yen.
std::int32_t fixedRateReduction(std::int32_t taxAfterCredit);

}  // namespace nencho
