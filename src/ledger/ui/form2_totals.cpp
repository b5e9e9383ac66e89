// The ledger's month and bonus totals, the grand totals of the save, and what they feed into
// the year-end screen (Form3), the insurance screen (Form4) and the dependants screen (Form5).
#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger/ledger_totals.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

using namespace form2;

namespace {

constexpr LedgerColumn kReadBackColumns[] = {LedgerColumn::SocialInsurance,
                                             LedgerColumn::AfterInsurance, LedgerColumn::Tax,
                                             LedgerColumn::Dependants};

QString amount(std::int32_t value) {
    return QString::fromStdString(formatAmount(value));
}

// A screen fed by the ledger: its year, company and person boxes and the buttons that take up
// a person, as the main menu presses them when it opens the screen.
struct FedScreen {
    const char* form;
    const char* yearBox;
    const char* companyBox;
    const char* personBox;
    std::initializer_list<const char*> takeUpPerson;
};

const FedScreen* fedScreen(const QString& form) {
    static const FedScreen screens[] = {
        {form3::kForm,
         form3::kYearBox,
         form3::kCompanyBox,
         form3::kPersonBox,
         {form3::kYearButton, form3::kClearButton, form3::kLoadButton}},
        {form4::kForm,
         form4::kYearBox,
         form4::kCompanyBox,
         form4::kPersonBox,
         {form4::kYearButton, form4::kClearButton, form4::kLoadButton,
          form4::kLedgerInsuranceButton}},
        {form5::kForm,
         form5::kYearBox,
         form5::kCompanyBox,
         form5::kPersonBox,
         {form5::kYearButton, form5::kClearButton, form5::kLoadButton,
          form5::kOwnConditionsButton}},
    };
    for (const FedScreen& screen : screens)
        if (form == screen.form) return &screen;
    return nullptr;
}

bool holdsCode(const QString& form, const char* box, std::int32_t code) {
    return parseAmount(screens::read(form, box).toStdString()) == code;
}

// Whether the save can form the grand totals of the sheet: a totals button that takes rows the
// save would then refuse shows and feeds nothing.
bool grandTotalsFit(LedgerSheet sheet) {
    return sumsFit(sheet) && formGrandTotals(sheet);
}

}  // namespace

// Months' social insurance, after-insurance, tax and dependants boxes into the sheet (the pay
// cells stay as the row buttons, copies and load set them), the month totals, then the save.
void Form2::monthTotals() {
    if (!owner_) return;
    LedgerSheet updated = sheet();
    for (LedgerColumn column : kReadBackColumns)
        for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month)
            updated.setCell(month, column, readBox(ledgerBox(month, column)));
    if (!formMonthTotals(updated) || !grandTotalsFit(updated)) {
        overflowReported_ = true;
        refuseOverflow();
        return;
    }
    sheet() = updated;
    overflowReported_ = false;
    showTotalRow(kMonthTotalRow);
    const LedgerFeed feed = feedOf(sheet());
    followLedgerPerson(form3::kForm);
    screens::write(form3::kForm, form3::kMonthPayBox, amount(feed.monthPay));
    screens::write(form3::kForm, form3::kMonthTaxBox, amount(feed.monthTax));
    press(kSaveButton);
}

// The same for the bonus rows; the bonus screen presses the save itself.
void Form2::bonusTotals() {
    if (!owner_) return;
    LedgerSheet updated = sheet();
    for (LedgerColumn column : kReadBackColumns)
        for (int row = kFirstBonusRow; row <= kLastBonusRow; ++row)
            updated.setCell(row, column, readBox(ledgerBox(row, column)));
    if (!formBonusTotals(updated) || !grandTotalsFit(updated)) {
        overflowReported_ = true;
        refuseOverflow();
        return;
    }
    sheet() = updated;
    overflowReported_ = false;
    showTotalRow(kBonusTotalRow);
    const LedgerFeed feed = feedOf(sheet());
    followLedgerPerson(form3::kForm);
    screens::write(form3::kForm, form3::kBonusPayBox, amount(feed.bonusPay));
    screens::write(form3::kForm, form3::kBonusTaxBox, amount(feed.bonusTax));
}

// A save refused here says so itself, so the next save is not taken as already reported.
bool Form2::grandTotals() {
    LedgerSheet updated = sheet();
    if (!grandTotalsFit(updated)) {
        refuseOverflow();
        return false;
    }
    formGrandTotals(updated);
    sheet() = updated;
    showTotalRow(kGrandTotalRow);
    return true;
}

// A sum beyond the signed 32-bit range: nothing is taken, shown or stored.
void Form2::refuseOverflow() {
    showMessage(
        "合計が 2,147,483,647 円を超えるため計算できません。\n"
        "入力した金額を確かめてください。",
        "源泉徴収簿", MessageIcon::Exclamation);
}

void Form2::showTotalRow(int row) {
    const LedgerRowBoxes boxes = ledgerRowBoxes(row);
    showAmount(boxes.pay, sheet().cell(row, LedgerColumn::Pay));
    showAmount(boxes.insurance, sheet().cell(row, LedgerColumn::SocialInsurance));
    showAmount(boxes.afterInsurance, sheet().cell(row, LedgerColumn::AfterInsurance));
    showAmount(boxes.tax, sheet().cell(row, LedgerColumn::Tax));
    showAmount(boxes.taxAgain, sheet().cell(row, LedgerColumn::Tax));
}

// Makes a fed screen hold the ledger's year, company and person before it is fed, so that its
// computation never rewrites another person's or another year's record with these figures.
void Form2::followLedgerPerson(const QString& form) {
    const FedScreen* fed = fedScreen(form);
    const LedgerOwner owner = owner_.value();
    if (screens::read(form, fed->yearBox) == workingYear() &&
        holdsCode(form, fed->companyBox, owner.companyCode) &&
        holdsCode(form, fed->personBox, owner.personCode))
        return;
    screens::write(form, fed->yearBox, workingYear());
    screens::write(form, fed->companyBox, QString::number(owner.companyCode));
    screens::write(form, fed->personBox, QString::number(owner.personCode));
    for (const char* button : fed->takeUpPerson) screens::press(form, button);
}

// The load's share: the seven total boxes of the year-end screen, as stored (zeros for a
// person without a ledger).
void Form2::feedLoadedTotals() {
    const LedgerFeed feed = feedOf(sheet());
    followLedgerPerson(form3::kForm);
    screens::write(form3::kForm, form3::kMonthPayBox, amount(feed.monthPay));
    screens::write(form3::kForm, form3::kMonthTaxBox, amount(feed.monthTax));
    screens::write(form3::kForm, form3::kBonusPayBox, amount(feed.bonusPay));
    screens::write(form3::kForm, form3::kBonusTaxBox, amount(feed.bonusTax));
    screens::write(form3::kForm, form3::kGrandPayBox, amount(feed.grandPay));
    screens::write(form3::kForm, form3::kGrandTaxBox, amount(feed.grandTax));
    screens::write(form3::kForm, form3::kGrandInsuranceBox, amount(feed.grandInsurance));
}

// The save's share: grand totals to the year-end screen, December's dependants to the
// dependants screen, the social insurance to the insurance screen; then both recompute.
void Form2::feedSavedTotals() {
    const LedgerFeed feed = feedOf(sheet());
    for (const char* form : {form3::kForm, form4::kForm, form5::kForm}) followLedgerPerson(form);
    screens::write(form3::kForm, form3::kGrandPayBox, amount(feed.grandPay));
    screens::write(form3::kForm, form3::kGrandTaxBox, amount(feed.grandTax));
    screens::write(form3::kForm, form3::kGrandInsuranceBox, amount(feed.grandInsurance));
    screens::write(form5::kForm, form5::kDependantsCountBox,
                   QString::number(feed.decemberDependants));
    screens::write(form4::kForm, form4::kLedgerInsuranceBox, amount(feed.grandInsurance));
    screens::press(form4::kForm, form4::kComputeButton);
    screens::press(form5::kForm, form5::kComputeButton);
}

// The insurance and dependants screens take up the person's records again, as the main menu
// opens them, in place of what the saves fed them.
void Form2::takeUpFedRecordsAgain() {
    for (const char* form : {form4::kForm, form5::kForm})
        for (const char* button : fedScreen(form)->takeUpPerson) screens::press(form, button);
}

}  // namespace nencho
