#pragma once
// The year-end sheet with a data folder of the person's stored ledger, as the main menu opens
// it: codes and year written into its carrier boxes, then its clear and load pressed.
#include <QWidget>
#include <optional>

#include "ledger/ledger_file.h"
#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "support/failing_writes.h"
#include "support/screen_test.h"
#include "yearend/adjustment_result_file.h"
#include "yearend/dependants_file.h"
#include "yearend/insurance_file.h"
#include "yearend/spouse_housing_file.h"
#include "yearend/ui/form3_controls.h"

namespace nencho::test {

// The ledger totals the sheet shows.
struct LedgerTotals {
    std::int32_t monthPay = 0, bonusPay = 0, payInAll = 0;
    std::int32_t monthTax = 0, bonusTax = 0, taxWithheld = 0;
    std::int32_t socialInsurance = 0;
};

// The worked example's pay, tax and social insurance.
inline LedgerTotals workedExampleLedger() {
    return {4'200'000, 800'000, 5'000'000, 146'000, 4'000, 150'000, 600'000};
}

inline void storeLedger(int company, int person, const LedgerTotals& totals,
                        const char* year = "H17") {
    LedgerRecord ledger;
    LedgerSheet& s = ledger.sheet;
    s.setCell(kMonthTotalRow, LedgerColumn::Pay, totals.monthPay);
    s.setCell(kBonusTotalRow, LedgerColumn::Pay, totals.bonusPay);
    s.setCell(kGrandTotalRow, LedgerColumn::Pay, totals.payInAll);
    s.setCell(kMonthTotalRow, LedgerColumn::Tax, totals.monthTax);
    s.setCell(kBonusTotalRow, LedgerColumn::Tax, totals.bonusTax);
    s.setCell(kGrandTotalRow, LedgerColumn::Tax, totals.taxWithheld);
    s.setCell(kGrandTotalRow, LedgerColumn::SocialInsurance, totals.socialInsurance);
    ledgerFileWriter(ledger).save(*ledgerFilePath(year, {company, person}));
}

// The worked example's deductions: life insurance 50,000, casualty 15,000, dependants 760,000.
inline void storeWorkedExampleDeductions(int company, int person) {
    InsuranceRecord insurance;
    insurance.lifeInsuranceDeduction = 50'000;
    insurance.casualtyDeduction = 15'000;
    insurance.pensionTotal = 120'000;
    insurance.longTermPremiums = 30'000;
    InsuranceFile::save("H17", company * 100 + person, insurance);
    DependantsRecord dependants;
    dependants.totalDeduction = 760'000;
    DependantsFile::save("H17", company * 100 + person, dependants);
}

inline std::optional<AdjustmentResultRecord> storedAdjustment(int company, int person,
                                                              const char* year = "H17") {
    return AdjustmentResultFile::load(year, company * 100 + person);
}

class YearEndSheetTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ensureDataTree("H17");
        screens::show(form3::kForm);
    }

    Screen& sheet() { return screens::touch(form3::kForm); }
    QString box(const char* name) { return sheet().textOf(name); }
    bool shown(const char* name) { return !sheet().controlWidget(name)->isHidden(); }

    void choose(int company, int person, const char* year = "H17") {
        screens::write(form3::kForm, form3::kYearBox, year);
        screens::write(form3::kForm, form3::kCompanyBox, QString::number(company));
        screens::write(form3::kForm, form3::kPersonBox, QString::number(person));
    }

    // As the main menu opens the sheet, before any replay.
    void open(int company, int person, const char* year = "H17") {
        choose(company, person, year);
        screens::press(form3::kForm, form3::kClearButton);
        screens::press(form3::kForm, form3::kLoadButton);
    }

    // The clerk's two decisions.
    void adjust() { click(form3::kForm, form3::kAdjustButton); }
    void notAdjust() { click(form3::kForm, form3::kNotAdjustButton); }
};

}  // namespace nencho::test
