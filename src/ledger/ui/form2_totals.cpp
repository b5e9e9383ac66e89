// The ledger's month and bonus totals, the grand totals of the save, and what they feed into
// the year-end screen (Form3), the insurance screen (Form4) and the dependants screen (Form5).
#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger/ledger_totals.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"

namespace nencho {

using namespace form2;

namespace {

constexpr LedgerColumn kReadBackColumns[] = {LedgerColumn::SocialInsurance,
                                             LedgerColumn::AfterInsurance, LedgerColumn::Tax,
                                             LedgerColumn::Dependants};

QString amount(std::int32_t value) {
    return QString::fromStdString(formatAmount(value));
}

// A screen fed by the ledger: its year box and the buttons that take up a person, as the main
// menu presses them when it opens the screen.
struct FedScreen {
    const char* form;
    const char* yearBox;
    std::initializer_list<const char*> takeUpPerson;
};

const FedScreen* fedScreen(const QString& form) {
    static const FedScreen screens[] = {
        {"Form3", "Text16", {"Command36", "Command6", "Command10"}},
        {"Form4", "Text85", {"Command36", "Command3", "Command2", "Command5"}},
        {"Form5", "Text73", {"Command36", "Command10", "Command9", "Command22"}},
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
    followLedgerPerson("Form3");
    screens::write("Form3", "Text2", amount(feed.monthPay));
    screens::write("Form3", "Text22", amount(feed.monthTax));
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
    followLedgerPerson("Form3");
    screens::write("Form3", "Text23", amount(feed.bonusPay));
    screens::write("Form3", "Text24", amount(feed.bonusTax));
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
        holdsCode(form, "Text161", owner.companyCode) &&
        holdsCode(form, "Text162", owner.personCode))
        return;
    screens::write(form, fed->yearBox, workingYear());
    screens::write(form, "Text161", QString::number(owner.companyCode));
    screens::write(form, "Text162", QString::number(owner.personCode));
    for (const char* button : fed->takeUpPerson) screens::press(form, button);
}

// The load's share: the seven total boxes of the year-end screen, as stored (zeros for a
// person without a ledger).
void Form2::feedLoadedTotals() {
    const LedgerFeed feed = feedOf(sheet());
    followLedgerPerson("Form3");
    screens::write("Form3", "Text2", amount(feed.monthPay));
    screens::write("Form3", "Text22", amount(feed.monthTax));
    screens::write("Form3", "Text23", amount(feed.bonusPay));
    screens::write("Form3", "Text24", amount(feed.bonusTax));
    screens::write("Form3", "Text25", amount(feed.grandPay));
    screens::write("Form3", "Text26", amount(feed.grandTax));
    screens::write("Form3", "Text29", amount(feed.grandInsurance));
}

// The save's share: grand totals to the year-end screen, December's dependants to the
// dependants screen, the social insurance to the insurance screen; then both recompute.
void Form2::feedSavedTotals() {
    const LedgerFeed feed = feedOf(sheet());
    for (const char* form : {"Form3", "Form4", "Form5"}) followLedgerPerson(form);
    screens::write("Form3", "Text25", amount(feed.grandPay));
    screens::write("Form3", "Text26", amount(feed.grandTax));
    screens::write("Form3", "Text29", amount(feed.grandInsurance));
    screens::write("Form5", "Text48", QString::number(feed.decemberDependants));
    screens::write("Form4", "Text91", amount(feed.grandInsurance));
    screens::press("Form4", "Command1");
    screens::press("Form5", "Command3");
}

}  // namespace nencho
