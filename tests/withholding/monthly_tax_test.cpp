#include "withholding/monthly_tax.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "withholding/checked_amounts.h"

namespace nencho {
namespace {

TEST(EmploymentIncomeDeduction, BracketBoundsJoinWithoutAStep) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {INT_MIN, 54'167},  {-100, 54'167},
        {0, 54'167},        {135'416, 54'167},
        {135'417, 54'167},  {149'999, 60'000},
        {150'000, 60'000},  {299'999, 105'000},
        {300'000, 105'000}, {549'999, 155'000},
        {550'000, 155'000}, {833'333, 183'334},
        {833'334, 183'334}, {INT_MAX, 107'374'183 + 141'667},
    };
    for (const auto& [subject, deduction] : cases)
        EXPECT_EQ(employmentIncomeDeduction(subject), deduction) << subject;
    EXPECT_EQ(135'416 - employmentIncomeDeduction(135'416), 81'249);
    EXPECT_EQ(135'417 - employmentIncomeDeduction(135'417), 81'250);
}

TEST(EmploymentIncomeDeduction, AddsNineTenthsInDoublePrecisionBeforeTakingTheWholePart) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {150'007, 60'003},  // 45,002.1 + 0.9 reaches 45,003 exactly
        {218'457, 80'537},  // 65,537.1 + 0.9 falls just below 65,538
        {221'686, 81'506},  {219'932, 80'980},
        {917'722, 187'554}, {833'341, 183'334},  // a fraction of 0.05 in the 5 % bracket is dropped
    };
    for (const auto& [subject, deduction] : cases)
        EXPECT_EQ(employmentIncomeDeduction(subject), deduction) << subject;
}

TEST(TaxOnTaxableAmount, BracketBoundsRoundThenCutToTenYen) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0},
        {3'494, 280},
        {45'179, 3'610},
        {107'285, 8'580},
        {108'513, 8'680},
        {275'000, 22'000},
        {275'001, 22'000},  // 22,000.16
        {658'334, 83'330},
        {658'335, 83'330},
        {698'501, 91'360},
        {750'000, 101'660},
        {750'001, 101'660},
        // Half-yen ties, which only the 30 % and 37 % brackets give, go to the even yen, and
        // where that yen ends in 0 the tax keeps it: 225,013.5 - 123,334 = 101,679.5.
        {750'005, 101'660},  // 101,667.5 becomes 101,668
        {750'045, 101'680},
        {1'499'945, 326'650},  // 326,649.5
        {1'500'000, 326'660},  // 326,666 before the cut
        {1'500'001, 326'660},
        {1'500'050, 326'680},  // 555,018.5 - 228,334 = 326,684.5 becomes 326,684
        {1'500'550, 326'870},  // 326,869.5
        {INT_MAX, 794'340'610},
    };
    for (const auto& [taxable, tax] : cases) EXPECT_EQ(taxOnTaxableAmount(taxable), tax) << taxable;
}

struct MonthlyTaxCase {
    std::int32_t pay;
    std::int32_t socialInsurance;
    std::int32_t dependants;
    MonthlyTax expected;
};

TEST(MonthlyTax, PaysFromNothingTo1000000KeepEveryIntermediate) {
    const MonthlyTaxCase cases[] = {
        {0, 0, 0, {0, -54'167, 31'667, 0, 0}},
        {250'000, 28'314, 0, {221'686, 140'180, 31'667, 108'513, 8'680}},
        {250'000, 28'314, 2, {221'686, 140'180, 95'001, 45'179, 3'610}},
        {250'000, 30'068, 0, {219'932, 138'952, 31'667, 107'285, 8'580}},
        {100'000, 10'672, 0, {89'328, 35'161, 31'667, 3'494, 280}},
        {1'000'000, 82'278, 0, {917'722, 730'168, 31'667, 698'501, 91'360}},
        {9'000, 10'672, 0, {-1'672, -55'839, 31'667, 0, 0}},
        {300'000, 0, 5, {300'000, 195'000, 190'002, 4'998, 400}},
        {300'000, 0, 6, {300'000, 195'000, 221'669, 0, 0}},
        {300'000, 0, -1, {300'000, 195'000, 0, 195'000, 15'600}},
    };
    for (const auto& c : cases) {
        const MonthlyTax tax = monthlyTax(c.pay, c.socialInsurance, c.dependants);
        EXPECT_EQ(tax.subjectToTax, c.expected.subjectToTax) << c.pay;
        EXPECT_EQ(tax.afterIncomeDeduction, c.expected.afterIncomeDeduction) << c.pay;
        EXPECT_EQ(tax.basicAndDependantsDeduction, c.expected.basicAndDependantsDeduction)
            << c.dependants;
        EXPECT_EQ(tax.taxable, c.expected.taxable) << c.pay;
        EXPECT_EQ(tax.tax, c.expected.tax) << c.pay;
    }
}

// An amount outside the signed 32-bit range is an error naming that amount, never a number.
TEST(MonthlyTax, AmountsOutsideThe32BitRangeGiveAnErrorNamingThem) {
    struct Case {
        std::int32_t pay, socialInsurance, dependants;
        const char* failingAmount;  // none: the tax is computed
    };
    const Case cases[] = {
        {300'000, 0, 67'813, nullptr},                   // 67,814 persons: 2,147,465,938
        {300'000, 0, 67'814, "基礎控除と扶養控除の額"},  // 67,815 persons leave the range
        {300'000, 0, INT_MAX, "基礎控除と扶養控除の額"},
        // A negative deduction that pushes the taxable amount out.
        {300'000, 0, -67'815, "課税給与所得金額"},
        {INT_MIN, 1, 0, "社会保険料等控除後の給与等の金額"},
        {INT_MIN, 0, 0, "給与所得控除後の金額"},  // after the fixed deduction
        {INT_MIN + 85'834, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        try {
            monthlyTax(c.pay, c.socialInsurance, c.dependants);
            EXPECT_EQ(c.failingAmount, nullptr) << c.pay << " " << c.dependants;
        } catch (const CalculationError& error) {
            ASSERT_NE(c.failingAmount, nullptr) << c.pay << " " << c.dependants;
            EXPECT_STREQ(error.what(), overflowDescription(c.failingAmount).c_str());
        }
    }
}

// With the same premiums, a higher pay never lowers the tax.
TEST(MonthlyTax, EveryPayUpTo1500000GivesANonNegativeNonDecreasingMultipleOfTen) {
    for (std::int32_t dependants : {0, 4}) {
        std::int32_t previous = 0;
        for (std::int32_t pay = 0; pay <= 1'500'000; ++pay) {
            const std::int32_t tax = monthlyTax(pay, 0, dependants).tax;
            if (tax % 10 != 0 || tax < 0 || tax < previous) {
                ADD_FAILURE() << "pay " << pay << " dependants " << dependants << " tax " << tax
                              << " after " << previous;
                break;
            }
            previous = tax;
        }
    }
}

}  // namespace
}  // namespace nencho
