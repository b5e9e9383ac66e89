#include "yearend/insurance_deduction.h"

#include <algorithm>
#include <span>

#include "yearend/yen_arithmetic.h"

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

std::optional<std::int32_t> casualtyPremiumDeduction(std::int32_t longTermPremiums,
                                                     std::int32_t shortTermPremiums) {
    const auto sum = checkedSum({longTermCasualtyDeduction(longTermPremiums),
                                 shortTermCasualtyDeduction(shortTermPremiums)});
    if (!sum) return std::nullopt;
    return std::min(*sum, kCasualtyDeductionCap);
}

std::optional<InsuranceDeductions> computeInsuranceDeductions(const InsurancePremiums& premiums) {
    const auto& life = premiums.lifePremiums;
    const auto& pension = premiums.pensionPremiums;
    const auto lifeTotal = checkedSum({life[0], life[1], life[2]});
    const auto pensionTotal = checkedSum({pension[0], pension[1]});
    if (!lifeTotal || !pensionTotal) return std::nullopt;

    InsuranceDeductions result;
    result.lifeTotal = *lifeTotal;
    result.lifeDeduction = lifePremiumDeduction(*lifeTotal);
    result.pensionTotal = *pensionTotal;
    result.pensionDeduction = lifePremiumDeduction(*pensionTotal);
    const auto lifeInAll = checkedSum({result.lifeDeduction, result.pensionDeduction});
    const auto casualty = casualtyPremiumDeduction(premiums.longTermCasualtyPremiums,
                                                   premiums.shortTermCasualtyPremiums);
    if (!lifeInAll || !casualty) return std::nullopt;
    result.lifeInsuranceDeduction = *lifeInAll;
    result.longTermDeduction = longTermCasualtyDeduction(premiums.longTermCasualtyPremiums);
    result.shortTermDeduction = shortTermCasualtyDeduction(premiums.shortTermCasualtyPremiums);
    result.casualtyDeduction = *casualty;
    result.mutualAidPremiums = premiums.mutualAidPremiums;
    result.declaredSocialInsurance = premiums.declaredSocialInsurance;
    return result;
}

}  // namespace nencho
