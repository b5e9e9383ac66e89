#pragma once
// The life-insurance (life and individual pension) and casualty-insurance deductions of one
// person's year, from the premiums typed on the insurance screen.
#include <array>
#include <cstdint>

#include "yearend/insurance_file.h"

namespace nencho {

struct InsurancePremiums {
    std::array<std::int32_t, 3> lifePremiums{};     // life policies 1 to 3
    std::array<std::int32_t, 2> pensionPremiums{};  // individual-pension policies 1 and 2
    std::int32_t longTermCasualtyPremiums = 0;
    std::int32_t shortTermCasualtyPremiums = 0;
    // Deducted as typed; carried here so the record's amounts come from one place.
    std::int32_t mutualAidPremiums = 0;
    std::int32_t declaredSocialInsurance = 0;
};

struct InsuranceDeductions {
    std::int32_t lifeTotal = 0;
    std::int32_t lifeDeduction = 0;
    std::int32_t pensionTotal = 0;
    std::int32_t pensionDeduction = 0;
    std::int32_t lifeInsuranceDeduction = 0;  // life and pension deductions together
    std::int32_t longTermDeduction = 0;
    std::int32_t shortTermDeduction = 0;
    std::int32_t casualtyDeduction = 0;
    std::int32_t mutualAidPremiums = 0;
    std::int32_t declaredSocialInsurance = 0;

    bool operator==(const InsuranceDeductions&) const = default;
};

// Applied on its own to the life total and to the pension total; at most 50,000 yen. A total of
// 25,000 yen or less (a negative one too) is deducted whole.
std::int32_t lifePremiumDeduction(std::int32_t premiumTotal);

// At most 15,000 yen.
std::int32_t longTermCasualtyDeduction(std::int32_t premiums);

// At most 3,000 yen.
std::int32_t shortTermCasualtyDeduction(std::int32_t premiums);

// Long-term and short-term deductions together, at most 15,000 yen. Throws a Failure when the
// sum of two negative deductions leaves the signed 32-bit range.
std::int32_t casualtyPremiumDeduction(std::int32_t longTermPremiums,
                                      std::int32_t shortTermPremiums);

// Throws a Failure when a total or a sum leaves the signed 32-bit range.
InsuranceDeductions computeInsuranceDeductions(const InsurancePremiums& premiums);

// The record's totals and deductions (lines 34, 35, 38-40 and 59-61) from the premiums it holds
// as typed; the texts and typed amounts stay. Throws a Failure as above.
void computeInsuranceRecord(InsuranceRecord& record);

}  // namespace nencho
