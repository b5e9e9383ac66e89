#include "yearend/spouse_special_deduction.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/failure.h"

namespace nencho {
namespace {

TEST(SpouseSpecialDeduction, FollowsEveryBandEdge) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {-150'000, 0},
        {0, 0},
        {380'000, 0},
        {380'001, 380'000},
        {399'999, 380'000},
        {400'000, 360'000},
        {449'999, 360'000},
        {450'000, 310'000},
        {499'999, 310'000},
        {500'000, 260'000},
        {549'999, 260'000},
        {550'000, 210'000},
        {599'999, 210'000},
        {600'000, 160'000},
        {649'999, 160'000},
        {650'000, 110'000},
        {699'999, 110'000},
        {700'000, 60'000},
        {749'999, 60'000},
        {750'000, 30'000},
        {759'999, 30'000},
        {760'000, 0},
        {std::numeric_limits<std::int32_t>::max(), 0},
        {std::numeric_limits<std::int32_t>::min(), 0},
    };
    for (const auto& [income, deduction] : cases) {
        EXPECT_EQ(spouseSpecialDeduction(income), deduction) << income;
    }
}

TEST(SpouseIncomeFromPay, IsThePayLess650000) {
    struct Case {
        std::int32_t pay;
        std::int32_t income;
        std::int32_t deduction;
    };
    const Case cases[] = {
        {1'030'000, 380'000, 0},
        {1'030'001, 380'001, 380'000},
        {1'410'000, 760'000, 0},
        {500'000, -150'000, 0},  // no lower bound
        {0, 0, 0},               // an empty pay box leaves the income empty
    };
    for (const Case& c : cases) {
        const std::int32_t income = spouseIncomeFromPay(c.pay);
        EXPECT_EQ(income, c.income) << c.pay;
        EXPECT_EQ(spouseSpecialDeduction(income), c.deduction) << c.pay;
    }
    EXPECT_THROW(spouseIncomeFromPay(std::numeric_limits<std::int32_t>::min()), Failure);
}

}  // namespace
}  // namespace nencho
