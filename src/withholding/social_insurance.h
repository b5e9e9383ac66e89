#pragma once
// The employee's share of the monthly social insurance premiums: health insurance (with or
// without the nursing-care premium) and welfare pension by the standard monthly remuneration
// grade, employment insurance by the wage group.
#include <cstdint>

namespace nencho {

enum class NursingCare { Without, With };

// The standard monthly remuneration grade of a month's pay, in thousand yen (0 or 98 to 980).
int standardGrade(std::int32_t pay);

// Half of grade x 82 per 1,000 (without) or 93.1 per 1,000 (with nursing care), cut to the yen.
std::int32_t healthPremium(int grade, NursingCare nursingCare);

// Half of grade x 135.8 per 1,000, cut to the yen and capped at the premium of grade 620.
std::int32_t pensionPremium(int grade);

// The employment-insurance wage group of a month's pay, in thousand yen: a whole number or a
// whole number and a half.
float wageGroup(std::int32_t pay);

// Wage group x 7 rounded to the nearest yen (ties to the even yen), then the fixed corrections.
std::int32_t employmentPremium(std::int32_t pay);

}  // namespace nencho
