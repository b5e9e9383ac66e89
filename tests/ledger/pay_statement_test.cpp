#include "ledger/pay_statement.h"

#include <gtest/gtest.h>

#include <limits>

namespace nencho {
namespace {

constexpr int kMonth = 4;
const MonthlyPayRecord kRecord{kMonth, 300000, 14850, 21000, 1200, 7000, 44050, 255950};

LedgerSheet ledgerWith(std::int32_t pay, std::int32_t insurance, std::int32_t tax) {
    LedgerSheet sheet;
    sheet.setCell(kMonth, LedgerColumn::Pay, pay);
    sheet.setCell(kMonth, LedgerColumn::SocialInsurance, insurance);
    sheet.setCell(kMonth, LedgerColumn::Tax, tax);
    return sheet;
}

TEST(PayStatement, RecordAgreesOnlyWithTheLedgerLineItWasComputedFor) {
    struct Case {
        const char* what;
        LedgerSheet sheet;
        bool agrees;
    };
    const Case cases[] = {
        {"as computed", ledgerWith(300000, 37050, 7000), true},
        {"pay changed", ledgerWith(310000, 37050, 7000), false},
        {"insurance typed", ledgerWith(300000, 37000, 7000), false},
        {"tax typed", ledgerWith(300000, 37050, 7001), false},
        {"another month", LedgerSheet{}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(payRecordAgrees(kRecord, c.sheet, kMonth), c.agrees) << c.what;
}

TEST(PayStatement, PremiumsBeyondThe32BitRangeNeverAgree) {
    constexpr auto kMost = std::numeric_limits<std::int32_t>::max();
    MonthlyPayRecord record{kMonth, 0, kMost, kMost, 2, 0, 0, 0};
    // Summed in 32 bits the premiums would wrap round to 0.
    EXPECT_FALSE(payRecordAgrees(record, ledgerWith(0, 0, 0), kMonth));
}

TEST(PayStatement, AmountsRunFromPayToNetPay) {
    EXPECT_EQ(payStatementAmounts(kRecord),
              (std::array<std::int32_t, 7>{300000, 14850, 21000, 1200, 7000, 44050, 255950}));
}

}  // namespace
}  // namespace nencho
