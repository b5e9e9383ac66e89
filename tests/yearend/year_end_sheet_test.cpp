#include "yearend/year_end_sheet.h"

#include <gtest/gtest.h>

#include "ledger/ledger_file.h"
#include "platform/file_system.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

TEST(SheetOwner, NamesOnlyACompanysOwnPersonWithCodesOfSixteenBits) {
    struct Case {
        const char* company;
        const char* person;
        std::optional<std::int32_t> key;
    };
    const Case cases[] = {
        {"1", "2", 102},
        {"327", "68", 32'768},  // the key is formed in 32 bits
        {"32767", "99", 3'276'799},
        {"", "2", std::nullopt},
        {"1", "", std::nullopt},
        {"1", "乙", std::nullopt},
        {"32768", "1", std::nullopt},
        {"1", "0", std::nullopt},    // no person of the company's own
        {"1", "100", std::nullopt},  // would be person 0 of company 2
    };
    for (const Case& c : cases) {
        const auto owner = sheetOwner("H17", c.company, c.person);
        EXPECT_EQ(owner ? std::optional(owner->personKey) : std::nullopt, c.key)
            << c.company << "/" << c.person;
    }
}

TEST(AnnualTaxCaption, FollowsTheWorkingYear) {
    EXPECT_EQ(annualTaxCaption("H13"), "平成１３年分年税額");
    EXPECT_EQ(annualTaxCaption("H14"), "平成１４年分年税額");
    EXPECT_EQ(annualTaxCaption("H17"), "平成１７年分年税額");
    EXPECT_FALSE(annualTaxCaption("").has_value());
    EXPECT_FALSE(annualTaxCaption("H18").has_value());
}

class SheetLoadTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
    const SheetOwner owner = *sheetOwner("H17", "1", "2");
};

TEST_F(SheetLoadTest, APersonWithoutRecordsReadsAsEmpty) {
    const SheetLoad load = loadSheetRecords(owner);
    EXPECT_TRUE(load.damaged.empty());
    const AdjustmentInput input = sheetInput(load.records);
    EXPECT_EQ(input.payInAll, 0);
    EXPECT_EQ(input.taxWithheld, 0);
    EXPECT_EQ(input.deductions.dependantsDeduction, 0);
    EXPECT_EQ(load.records.person.name, "");
}

TEST_F(SheetLoadTest, TheLedgerTotalsAreTheSheetsPayAndTax) {
    LedgerRecord ledger;
    ledger.sheet.setCell(kMonthTotalRow, LedgerColumn::Pay, 4'200'000);
    ledger.sheet.setCell(kBonusTotalRow, LedgerColumn::Pay, 800'000);
    ledger.sheet.setCell(kGrandTotalRow, LedgerColumn::Pay, 5'000'000);
    ledger.sheet.setCell(kMonthTotalRow, LedgerColumn::Tax, 146'000);
    ledger.sheet.setCell(kBonusTotalRow, LedgerColumn::Tax, 4'000);
    ledger.sheet.setCell(kGrandTotalRow, LedgerColumn::Tax, 150'000);
    ledger.sheet.setCell(kGrandTotalRow, LedgerColumn::SocialInsurance, 600'000);
    ledgerFileWriter(ledger).save(*ledgerFilePath("H17", {1, 2}));

    const AdjustmentInput input = sheetInput(loadSheetRecords(owner).records);
    EXPECT_EQ(input.monthPay, 4'200'000);
    EXPECT_EQ(input.bonusPay, 800'000);
    EXPECT_EQ(input.payInAll, 5'000'000);
    EXPECT_EQ(input.monthTax, 146'000);
    EXPECT_EQ(input.bonusTax, 4'000);
    EXPECT_EQ(input.taxWithheld, 150'000);
    EXPECT_EQ(input.socialInsuranceFromPay, 600'000);
}

TEST_F(SheetLoadTest, ADamagedLedgerReadsAsEmptyAndIsNamed) {
    test::writeLines(*ledgerFilePath("H17", {1, 2}), {"100", "abc"});
    const SheetLoad load = loadSheetRecords(owner);
    ASSERT_EQ(load.damaged.size(), 1u);
    EXPECT_NE(load.damaged[0].find("源泉徴収簿"), std::string::npos);
    EXPECT_EQ(sheetInput(load.records).monthPay, 0);
}

TEST_F(SheetLoadTest, DamagedRecordsTheSheetTakesNoAmountFromAreNotReported) {
    test::writeLines("c:\\年末調整\\個人名\\102.txt", {"2", "\"ヨミ\""});
    test::writeLines("c:\\年末調整\\H17年末調整\\1024.txt", {"\"一行\""});
    EXPECT_TRUE(loadSheetRecords(owner).damaged.empty());
}

}  // namespace
}  // namespace nencho
