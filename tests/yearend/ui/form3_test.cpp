// The year-end sheet: its load, 年末調整実行, 年末調整しない and what they store.
#include <limits>

#include "common/paths.h"
#include "form3_fixture.h"
#include "printing/ui/form7_controls.h"

namespace nencho::test {
namespace {

using namespace form3;
using V = AdjustmentValue;

// The sixteen boxes 年末調整しない empties.
const char* const kEmptiedByNotAdjusting[] = {
    kDeclaredInsuranceBox, kMutualAidBox,          kLifeInsuranceBox,
    kCasualtyBox,          kSpouseSpecialBox,      kDependantsBox,
    kDeductionsInAllBox,   kTaxableIncomeBox,      kTaxOnTaxableIncomeBox,
    kTaxAfterCreditBox,    kFixedRateReductionBox, kAnnualTaxBox,
    kBalanceBox,           kPensionPremiumsBox,    kSpouseIncomeBox,
    kLongTermCasualtyBox};

const QString kAdjusted = QStringLiteral("年末調整実行");
const QString kNotAdjusted = QStringLiteral("年調しない");

TEST_F(YearEndSheetTest, LoadShowsThePersonsLedgerTotalsAndTheYearsCaption) {
    storeLedger(1, 2, workedExampleLedger());
    open(1, 2);
    const std::pair<const char*, const char*> expected[] = {
        {kMonthPayBox, "4,200,000"},     {kBonusPayBox, "800,000"},  {kGrandPayBox, "5,000,000"},
        {kMonthTaxBox, "146,000"},       {kBonusTaxBox, "4,000"},    {kGrandTaxBox, "150,000"},
        {kGrandInsuranceBox, "600,000"}, {kEmploymentIncomeBox, ""}, {kAnnualTaxBox, ""},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(box(name), text) << name;
    EXPECT_EQ(box(kAnnualTaxCaption), "平成１７年分年税額");
    EXPECT_FALSE(storedAdjustment(1, 2).has_value());  // the load stores nothing

    ensureDataTree("H14");
    open(1, 2, "H14");
    EXPECT_EQ(box(kAnnualTaxCaption), "平成１４年分年税額");
    EXPECT_EQ(box(kGrandPayBox), "");  // no ledger in that year
    open(1, 2, "");
    EXPECT_EQ(box(kAnnualTaxCaption), "平成１４年分年税額");  // no caption for no year
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(YearEndSheetTest, AShortfallOf12800IsShownAndStoredAsItsRecordLines) {
    storeLedger(1, 2, workedExampleLedger());
    storeWorkedExampleDeductions(1, 2);
    open(1, 2);
    const std::pair<const char*, const char*> loaded[] = {
        {kLifeInsuranceBox, "50,000"},    {kCasualtyBox, "15,000"},
        {kDependantsBox, "760,000"},      {kDeclaredInsuranceBox, ""},
        {kSpouseSpecialBox, ""},          {kHousingCreditBox, ""},
        {kPensionPremiumsBox, "120,000"}, {kLongTermCasualtyBox, "30,000"},
        {kSpouseIncomeBox, ""},
    };
    for (const auto& [name, text] : loaded) EXPECT_EQ(box(name), text) << name;
    adjust();
    const std::pair<const char*, const char*> shownAfter[] = {
        {kEmploymentIncomeBox, "3,460,000"}, {kDeductionsInAllBox, "1,425,000"},
        {kTaxableIncomeBox, "2,035,000"},    {kTaxOnTaxableIncomeBox, "203,500"},
        {kTaxAfterCreditBox, "203,500"},     {kFixedRateReductionBox, "40,700"},
        {kAnnualTaxBox, "162,800"},          {kBalanceBox, "12,800"},
    };
    for (const auto& [name, text] : shownAfter) EXPECT_EQ(box(name), text) << name;
    EXPECT_TRUE(shown(kShortfallCaption));
    EXPECT_FALSE(shown(kRefundCaption));
    EXPECT_EQ(readBytes("c:\\年末調整\\H17年末調整\\1023.txt"),
              goldenBytes("adjustment_result_worked_example.txt"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(YearEndSheetTest, TheHousingCreditGoesToThePrintScreen) {
    storeLedger(1, 2, workedExampleLedger());
    SpouseHousingRecord spouseHousing;
    spouseHousing.housingLoanCredit = 123'400;
    spouseHousing.spouseSpecialDeduction = 380'000;
    SpouseHousingFile::save("H17", 102, spouseHousing);
    open(1, 2);
    EXPECT_EQ(box(kHousingCreditBox), "123,400");
    EXPECT_EQ(box(kSpouseSpecialBox), "380,000");
    adjust();
    EXPECT_EQ(screens::read(form7::kForm, form7::kHousingCreditLabel), "123,400");
    EXPECT_EQ(storedAdjustment(1, 2)->value(V::HousingLoanCredit), 123'400);
    EXPECT_EQ(storedAdjustment(1, 2)->value(V::SpouseSpecialDeduction), 380'000);
}

TEST_F(YearEndSheetTest, NotAdjustingEmptiesThePrintScreensSummaryLabels) {
    storeLedger(1, 2, workedExampleLedger());
    for (const char* label : {form7::kSpouseIncomeLabel, form7::kPensionPremiumsLabel,
                              form7::kLongTermCasualtyLabel, form7::kHousingCreditLabel})
        screens::write(form7::kForm, label, "前の表示");
    open(1, 2);
    notAdjust();
    for (const char* label :
         {form7::kSpouseIncomeLabel, form7::kPensionPremiumsLabel, form7::kLongTermCasualtyLabel})
        EXPECT_EQ(screens::read(form7::kForm, label), "") << label;
    EXPECT_EQ(screens::read(form7::kForm, form7::kHousingCreditLabel), "前の表示");
}

TEST_F(YearEndSheetTest, AdjustmentShowsAndStoresTheResultAndTheHousingCredit) {
    storeLedger(1, 2, workedExampleLedger());
    open(1, 2);
    adjust();
    // Without the deduction records: deductions are the social insurance alone.
    const std::pair<const char*, const char*> expected[] = {
        {kEmploymentIncomeBox, "3,460,000"}, {kDeductionsInAllBox, "600,000"},
        {kTaxableIncomeBox, "2,860,000"},    {kTaxOnTaxableIncomeBox, "286,000"},
        {kTaxAfterCreditBox, "286,000"},     {kFixedRateReductionBox, "57,200"},
        {kAnnualTaxBox, "228,800"},          {kBalanceBox, "78,800"},
        {kStatusBox, "年末調整実行"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(box(name), text) << name;
    EXPECT_TRUE(shown(kShortfallCaption));
    EXPECT_FALSE(shown(kRefundCaption));
    const auto stored = storedAdjustment(1, 2);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->status(), AdjustmentStatus::Adjusted);
    EXPECT_EQ(stored->value(V::AnnualTax), 228'800);
    EXPECT_EQ(stored->value(V::Balance), 78'800);
    EXPECT_EQ(stored->value(V::RoundedPay), 5'000'000);
    EXPECT_EQ(screens::read(form7::kForm, form7::kHousingCreditLabel), "");  // no credit: 0
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(YearEndSheetTest, ABalanceOfZeroShowsTheRefundCaptionOverAnEmptyAmount) {
    LedgerTotals totals = workedExampleLedger();
    totals.taxWithheld = 228'800;
    storeLedger(1, 2, totals);
    open(1, 2);
    adjust();
    EXPECT_TRUE(shown(kRefundCaption));
    EXPECT_FALSE(shown(kShortfallCaption));
    EXPECT_EQ(box(kBalanceBox), "");
    EXPECT_EQ(storedAdjustment(1, 2)->line(19), 0);
}

TEST_F(YearEndSheetTest, RefusalsStoreTheNotAdjustedRecord) {
    struct Case {
        std::int32_t payInAll, socialInsurance;
        const char* prompt;
        std::int32_t employmentIncome;  // line 6: only when computed for the person
    };
    const Case cases[] = {
        {20'000'001, 0, "２０００万円を超える所得のために年末調整は出来ません。", 0},
        // Employment income 17,300,000 less 379,000: a taxable income of 16,921,000.
        {20'000'000, 379'000, "課税所得１６９２万円を超えるものは年末調整は出来ません。",
         17'300'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.payInAll);
        dialogs->messages.clear();
        storeLedger(1, 3, workedExampleLedger());
        open(1, 3);
        adjust();  // the sheet's values were computed for this person before
        screens::write(form7::kForm, form7::kHousingCreditLabel, "前の表示");
        storeLedger(1, 2,
                    {17'000'000, c.payInAll - 17'000'000, c.payInAll, 140'000, 10'000, 150'000,
                     c.socialInsurance});
        open(1, 2);
        dialogs->messages.clear();
        adjust();

        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].prompt, c.prompt);
        EXPECT_EQ(dialogs->messages[0].title, "年末調整の判定");
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);
        const auto stored = storedAdjustment(1, 2);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->status(), AdjustmentStatus::NotAdjusted);
        const std::pair<int, std::int32_t> lines[] = {
            {1, 17'000'000}, {2, c.payInAll - 17'000'000}, {3, c.payInAll},        {4, 10'000},
            {5, 150'000},    {6, c.employmentIncome},      {7, c.socialInsurance}, {20, 0},
            {25, 150'000}};
        for (const auto& [line, value] : lines) EXPECT_EQ(stored->line(line), value) << line;
        for (int line = 8; line <= 19; ++line) EXPECT_EQ(stored->line(line), 0) << line;
        for (const char* name : kEmptiedByNotAdjusting) EXPECT_EQ(box(name), "") << name;
        EXPECT_EQ(box(kStatusBox), kNotAdjusted);
        EXPECT_EQ(screens::read(form7::kForm, form7::kHousingCreditLabel), "前の表示");
    }
}

TEST_F(YearEndSheetTest, NotAdjustingAfterALoadStoresThePersonsOwnBoxes) {
    storeLedger(1, 3, {9'000'000, 0, 9'000'000, 500'000, 0, 500'000, 900'000});
    open(1, 3);
    adjust();  // another person's computation on the same sheet
    storeLedger(1, 2, workedExampleLedger());
    open(1, 2);
    notAdjust();

    const auto stored = storedAdjustment(1, 2);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->status(), AdjustmentStatus::NotAdjusted);
    const std::pair<int, std::int32_t> lines[] = {
        {1, 4'200'000}, {2, 800'000}, {3, 5'000'000},
        {4, 4'000},     {5, 150'000}, {6, 0},  // not computed for this person since the load
        {7, 600'000},   {20, 0},      {25, 150'000}};
    for (const auto& [line, value] : lines) EXPECT_EQ(stored->line(line), value) << line;
    for (int line = 8; line <= 19; ++line) EXPECT_EQ(stored->line(line), 0) << line;
    for (int line = 21; line <= 24; ++line) EXPECT_EQ(stored->line(line), 0) << line;
    EXPECT_EQ(box(kStatusBox), kNotAdjusted);
    EXPECT_EQ(box(kGrandPayBox), "5,000,000");  // the pay and tax boxes stay
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(YearEndSheetTest, NotAdjustingAfterAnAdjustmentKeepsTheComputedPayValues) {
    storeLedger(1, 2, workedExampleLedger());
    open(1, 2);
    adjust();
    notAdjust();
    const auto stored = storedAdjustment(1, 2);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->status(), AdjustmentStatus::NotAdjusted);
    EXPECT_EQ(stored->line(6), 3'460'000);
    EXPECT_EQ(stored->line(20), 5'000'000);
    EXPECT_EQ(stored->line(25), 150'000);
    for (int line = 8; line <= 19; ++line) EXPECT_EQ(stored->line(line), 0) << line;
    EXPECT_EQ(box(kEmploymentIncomeBox), "3,460,000");
}

TEST_F(YearEndSheetTest, APersonAfterAnotherShowsOnlyTheirOwnValues) {
    storeLedger(1, 3, workedExampleLedger());
    storeWorkedExampleDeductions(1, 3);
    open(1, 3);
    EXPECT_EQ(box(kDependantsBox), "760,000");
    adjust();
    notAdjust();
    ASSERT_EQ(box(kStatusBox), kNotAdjusted);

    open(1, 2);  // a person without any record
    for (const char* name : {kMonthPayBox, kGrandPayBox, kGrandTaxBox, kGrandInsuranceBox,
                             kLifeInsuranceBox, kCasualtyBox, kDependantsBox, kPensionPremiumsBox,
                             kEmploymentIncomeBox, kDeductionsInAllBox, kTaxableIncomeBox,
                             kTaxOnTaxableIncomeBox, kTaxAfterCreditBox, kStatusBox})
        EXPECT_EQ(box(name), "") << name;
    EXPECT_FALSE(shown(kShortfallCaption));
    EXPECT_FALSE(shown(kRefundCaption));

    // Taken up without the clear before the load, as a ledger of another person does.
    open(1, 3);
    adjust();
    choose(1, 2);
    screens::press(kForm, kLoadButton);
    for (const char* name :
         {kBalanceBox, kAnnualTaxBox, kFixedRateReductionBox, kEmploymentIncomeBox, kGrandPayBox})
        EXPECT_EQ(box(name), "") << name;
    EXPECT_FALSE(shown(kShortfallCaption));
}

TEST_F(YearEndSheetTest, NotAdjustingAPersonTheBoxesDoNotShowLoadsThatPersonFirst) {
    storeLedger(1, 3, {9'000'000, 0, 9'000'000, 500'000, 0, 500'000, 900'000});
    storeLedger(1, 2, workedExampleLedger());
    open(1, 3);
    adjust();
    choose(1, 2);  // the person code written, as a person step does, without a load
    notAdjust();
    const auto stored = storedAdjustment(1, 2);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->line(3), 5'000'000);
    EXPECT_EQ(stored->line(6), 0);
    EXPECT_EQ(storedAdjustment(1, 3)->status(), AdjustmentStatus::Adjusted);
    EXPECT_EQ(box(kGrandPayBox), "5,000,000");
}

TEST_F(YearEndSheetTest, WithoutAPersonNothingIsStoredAndTheUserIsTold) {
    for (const char* person : {"", "0", "100", "乙"}) {
        dialogs->messages.clear();
        screens::write(kForm, kYearBox, "H17");
        screens::write(kForm, kCompanyBox, "1");
        screens::write(kForm, kPersonBox, person);
        adjust();
        notAdjust();
        ASSERT_EQ(dialogs->messages.size(), 2u) << person;
        EXPECT_EQ(dialogs->messages[0].title, "年末調整実行");
        EXPECT_EQ(dialogs->messages[1].title, "年末調整しない");
    }
    EXPECT_FALSE(storedAdjustment(1, 0).has_value());
    EXPECT_FALSE(storedAdjustment(2, 0).has_value());
}

TEST_F(YearEndSheetTest, AWriteFailureLeavesTheOldRecordAndSaysSoOnce) {
    storeLedger(1, 2, workedExampleLedger());
    open(1, 2);
    notAdjust();
    const std::string path = *yearFilePath("H17", 102, YearFileKind::AdjustmentResult);
    const std::string before = readBytes(path);
    screens::write(form7::kForm, form7::kHousingCreditLabel, "前の表示");
    for (const char* button : {kAdjustButton, kNotAdjustButton}) {
        dialogs->messages.clear();
        FailingWrites failing;
        failing.arm();
        screens::press(kForm, button);
        failing.disarm();
        ASSERT_EQ(dialogs->messages.size(), 1u) << button;
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(readBytes(path), before) << button;
    }
    EXPECT_EQ(screens::read(form7::kForm, form7::kHousingCreditLabel), "前の表示");
}

TEST_F(YearEndSheetTest, AnAmountBeyondTheRangeIsRefusedOnceAndStoresNothing) {
    LedgerTotals totals = workedExampleLedger();
    totals.taxWithheld = std::numeric_limits<std::int32_t>::min();  // the balance cannot be formed
    storeLedger(1, 2, totals);
    open(1, 2);
    adjust();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "年末調整実行");
    EXPECT_FALSE(storedAdjustment(1, 2).has_value());
    EXPECT_EQ(box(kAnnualTaxBox), "");
}

TEST_F(YearEndSheetTest, ADamagedRecordIsNamedAndNothingIsAdjusted) {
    const std::pair<YearFileKind, const char*> damaged[] = {
        {YearFileKind::Ledger, "源泉徴収簿"},
        {YearFileKind::Insurance, "保険料控除"},
        {YearFileKind::Dependants, "扶養控除"},
        {YearFileKind::SpouseHousing, "配偶者特別控除"},
    };
    storeLedger(1, 2, workedExampleLedger());
    storeWorkedExampleDeductions(1, 2);
    for (const auto& [kind, name] : damaged) {
        SCOPED_TRACE(name);
        const std::string path = *yearFilePath("H17", 102, kind);
        const std::string good = exists(path) ? readBytes(path) : std::string();
        writeLines(path, {"100", "abc"});
        dialogs->messages.clear();
        choose(1, 2);
        adjust();
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_NE(dialogs->messages[0].prompt.indexOf(name), -1);
        EXPECT_EQ(dialogs->messages[0].title, "年末調整実行");
        EXPECT_FALSE(storedAdjustment(1, 2).has_value());
        if (good.empty())
            std::filesystem::remove(drives->host(path));
        else
            writeBytes(path, good);
    }
}

TEST_F(YearEndSheetTest, TheStatusNotAdjustedEmptiesTheDeductionBoxesOfTheLoad) {
    storeLedger(1, 2, workedExampleLedger());
    open(1, 2);
    notAdjust();
    screens::press(kForm, kClearButton);
    screens::press(kForm, kLoadButton);
    EXPECT_EQ(box(kGrandPayBox), "5,000,000");
    EXPECT_EQ(box(kGrandInsuranceBox), "600,000");
    for (const char* name : {kDeclaredInsuranceBox, kMutualAidBox, kLifeInsuranceBox, kCasualtyBox,
                             kSpouseSpecialBox, kDependantsBox})
        EXPECT_EQ(box(name), "") << name;
}

TEST_F(YearEndSheetTest, EndEndsTheProgram) {
    screens::press(kForm, kEndButton);
    EXPECT_EQ(programEnds, 1);
}

}  // namespace
}  // namespace nencho::test
