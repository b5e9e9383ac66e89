#include "yearend/insurance_deduction.h"

#include <algorithm>
#include <span>

#include "common/failure.h"
#include "common/int32.h"

namespace nencho {

namespace {

// Premiums up to and including `upTo` are deducted as premiums ÷ divisor (the whole part) plus
// `addition`; above the last band the ceiling is deducted.
struct PremiumBand {
    std::int32_t upTo;
    std::int32_t divisor;
    std::int32_t addition;
};

struct PremiumScale {
    std::span<const PremiumBand> bands;
    std::int32_t ceiling;
};

constexpr std::array<PremiumBand, 3> kLifeBands = {{
    {25'000, 1, 0},
    {49'999, 2, 12'500},
    {99'999, 4, 25'000},
}};
constexpr std::array<PremiumBand, 2> kLongTermCasualtyBands = {{
    {10'000, 1, 0},
    {19'999, 2, 5'000},
}};
constexpr std::array<PremiumBand, 2> kShortTermCasualtyBands = {{
    {2'000, 1, 0},
    {3'999, 2, 1'000},
}};

constexpr PremiumScale kLifeScale{kLifeBands, 50'000};
constexpr PremiumScale kLongTermCasualtyScale{kLongTermCasualtyBands, 15'000};
constexpr PremiumScale kShortTermCasualtyScale{kShortTermCasualtyBands, 3'000};
constexpr std::int32_t kCasualtyDeductionCap = 15'000;

std::int32_t sumInRange(std::initializer_list<std::int64_t> amounts) {
    const auto sum = fitSum(amounts);
    if (!sum)
        throw Failure(
            "保険料の合計が計算できる範囲を超えるため計算できません。\n"
            "入力した金額を確かめてください。");
    return *sum;
}

std::int32_t deductionOnScale(const PremiumScale& scale, std::int32_t premiums) {
    for (const PremiumBand& band : scale.bands) {
        if (premiums <= band.upTo) return premiums / band.divisor + band.addition;
    }
    return scale.ceiling;
}

}  // namespace

std::int32_t lifePremiumDeduction(std::int32_t premiumTotal) {
    return deductionOnScale(kLifeScale, premiumTotal);
}

std::int32_t longTermCasualtyDeduction(std::int32_t premiums) {
    return deductionOnScale(kLongTermCasualtyScale, premiums);
}

std::int32_t shortTermCasualtyDeduction(std::int32_t premiums) {
    return deductionOnScale(kShortTermCasualtyScale, premiums);
}

std::int32_t casualtyPremiumDeduction(std::int32_t longTermPremiums,
                                      std::int32_t shortTermPremiums) {
    return std::min(sumInRange({longTermCasualtyDeduction(longTermPremiums),
                                shortTermCasualtyDeduction(shortTermPremiums)}),
                    kCasualtyDeductionCap);
}

InsuranceDeductions computeInsuranceDeductions(const InsurancePremiums& premiums) {
    const auto& life = premiums.lifePremiums;
    const auto& pension = premiums.pensionPremiums;
    InsuranceDeductions result;
    result.lifeTotal = sumInRange({life[0], life[1], life[2]});
    result.lifeDeduction = lifePremiumDeduction(result.lifeTotal);
    result.pensionTotal = sumInRange({pension[0], pension[1]});
    result.pensionDeduction = lifePremiumDeduction(result.pensionTotal);
    result.lifeInsuranceDeduction = sumInRange({result.lifeDeduction, result.pensionDeduction});
    result.longTermDeduction = longTermCasualtyDeduction(premiums.longTermCasualtyPremiums);
    result.shortTermDeduction = shortTermCasualtyDeduction(premiums.shortTermCasualtyPremiums);
    result.casualtyDeduction = casualtyPremiumDeduction(premiums.longTermCasualtyPremiums,
                                                        premiums.shortTermCasualtyPremiums);
    result.mutualAidPremiums = premiums.mutualAidPremiums;
    result.declaredSocialInsurance = premiums.declaredSocialInsurance;
    return result;
}

void computeInsuranceRecord(InsuranceRecord& record) {
    InsurancePremiums premiums;
    premiums.lifePremiums = record.lifePremiums;
    premiums.pensionPremiums = record.pensionPremiums;
    premiums.longTermCasualtyPremiums = record.longTermPremiums;
    premiums.shortTermCasualtyPremiums = record.shortTermPremiums;
    premiums.mutualAidPremiums = record.mutualAidPremiums;
    premiums.declaredSocialInsurance = record.declaredSocialInsurance;
    const InsuranceDeductions deductions = computeInsuranceDeductions(premiums);
    record.lifeTotal = deductions.lifeTotal;
    record.lifeDeduction = deductions.lifeDeduction;
    record.pensionTotal = deductions.pensionTotal;
    record.pensionDeduction = deductions.pensionDeduction;
    record.lifeInsuranceDeduction = deductions.lifeInsuranceDeduction;
    record.longTermDeduction = deductions.longTermDeduction;
    record.shortTermDeduction = deductions.shortTermDeduction;
    record.casualtyDeduction = deductions.casualtyDeduction;
}

}  // namespace nencho
