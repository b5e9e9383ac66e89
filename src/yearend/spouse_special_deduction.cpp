#include "yearend/spouse_special_deduction.h"

#include <algorithm>
#include <array>
#include <limits>

#include "common/failure.h"
#include "common/int32.h"

namespace nencho {

namespace {

// Each band holds from its income up to the next band's income.
struct SpouseBand {
    std::int32_t incomeFrom;
    std::int32_t deduction;
};

constexpr std::array<SpouseBand, 11> kSpouseSpecialDeductionTable = {{
    {std::numeric_limits<std::int32_t>::min(), 0},
    {380'001, 380'000},
    {400'000, 360'000},
    {450'000, 310'000},
    {500'000, 260'000},
    {550'000, 210'000},
    {600'000, 160'000},
    {650'000, 110'000},
    {700'000, 60'000},
    {750'000, 30'000},
    {760'000, 0},
}};

constexpr std::int32_t kEmploymentIncomeDeduction = 650'000;

}  // namespace

std::int32_t spouseSpecialDeduction(std::int32_t spouseIncome) {
    const auto band =
        std::find_if(kSpouseSpecialDeductionTable.rbegin(), kSpouseSpecialDeductionTable.rend(),
                     [&](const SpouseBand& b) { return b.incomeFrom <= spouseIncome; });
    return band->deduction;  // the first band starts at the lowest income
}

std::int32_t spouseIncomeFromPay(std::int32_t spousePay) {
    if (spousePay == 0) return 0;
    const auto income = fitInt32(std::int64_t{spousePay} - kEmploymentIncomeDeduction);
    if (!income)
        throw Failure(
            "配偶者の所得金額が計算できる範囲を超えるため計算できません。\n"
            "入力した金額を確かめてください。");
    return *income;
}

}  // namespace nencho
