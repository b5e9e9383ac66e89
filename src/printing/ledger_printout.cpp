// 源泉徴収簿: one person's ledger and year-end adjustment over the ledger form's page image.
#include <algorithm>
#include <cstdlib>

#include "printing/form_drawing.h"
#include "printing/page_images.h"
#include "printing/printout_text.h"
#include "printing/printouts.h"

namespace nencho {

namespace {

constexpr double kAmountPoints = 11;

// How far a text keeps from the rules and marks beside it; an amount a little further,
// so that amounts either side of a rule never read as one number.
constexpr double kClearance = 0.3;
constexpr double kAmountClearance = 0.5;

// The right edges of the ledger's six columns: pay, social insurance, pay after social
// insurance, dependants, tax, and the tax again as withheld; the rules either side of each; and,
// for the tax, where the ％ that the bonus rows print just right of its rule ends.
struct LedgerColumnEdge {
    LedgerColumn column;
    double rightEdge;
    double left;
    double right;
    double rateMarkRight = 0;
};
constexpr LedgerColumnEdge kColumnEdges[] = {{LedgerColumn::Pay, 71, 52.5, 73.5},
                                             {LedgerColumn::SocialInsurance, 88, 73.5, 90.5},
                                             {LedgerColumn::AfterInsurance, 108, 90.5, 111},
                                             {LedgerColumn::Dependants, 117, 111, 118},
                                             {LedgerColumn::Tax, 133, 118, 135, 120.1},
                                             {LedgerColumn::Tax, 163, 148.5, 165.2}};

// Whether a row of the form prints the tax rate's ％ in it: the bonus rows do.
enum class RateMark { None, Printed };

// An amount in the font in force, kAmountPoints, kept between `left` and `right`.
void printAmountBetween(PrinterPage& page, double rightEdge, double top, double left, double right,
                        std::int64_t amount) {
    printFittedRightAlignedAmount(page, rightEdge, top, kAmountPoints, left + kAmountClearance,
                                  right - kAmountClearance, amount);
}

double monthTop(int month) {
    return 23 + 10 * month;
}

double bonusTop(int bonus) {
    return 158 + 5 * bonus;
}

void printHeader(PrinterPage& page, const PrintData& data) {
    // The year stands above the form's printed 年分 and is the same in every working year.
    page.setFontSize(12);
    printTextAt(page, 24, 29, "平");
    printTextAt(page, 24, 34, "成");
    printTextAt(page, 24, 39, "17");
    // The address stands on two lines in its cell up to the rule at 196, under the frame at 6
    // and above the table at 21; the reading, the name and the birth date one under another up
    // to the rule at 246.
    page.setFontSize(11);
    printFittedText(page, 115, 12, 11, {196 - kClearance, 6 + kClearance, 16}, data.personAddress1);
    printFittedText(page, 115, 16, 11, {196 - kClearance, 16, 21 - kClearance},
                    data.personAddress2);
    printFittedText(page, 211, 13, 11, {246 - kClearance, 12.5, 17}, data.personName);
    printFittedText(page, 211, 10, 7, {246 - kClearance, 6 + kClearance, 12.5}, data.personReading);
    page.setFontSize(9);
    printTextAt(page, 217, 17, data.birthEra);
    printTextAt(page, 224, 17, printedNumber(data.birthYear));
    printTextAt(page, 231, 17, printedNumber(data.birthMonth));
    printTextAt(page, 237, 17, printedNumber(data.birthDay));
}

void printDates(PrinterPage& page, const PrintData& data) {
    page.setFontSize(11);
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month) {
        // Two-digit months start 1 mm further left.
        printTextAt(page, month < 10 ? 42 : 41, monthTop(month), printedNumber(month));
        printTextAt(page, 48, monthTop(month), data.payDateTexts[month]);
    }
    for (int bonus = 1; bonus <= kBonusCount; ++bonus) {
        printTextAt(page, 43, bonusTop(bonus), data.payDateTexts[11 + 2 * bonus]);
        printTextAt(page, 48, bonusTop(bonus), data.payDateTexts[12 + 2 * bonus]);
    }
}

// Each amount ends at its column's edge while it clears the rules, and on a row with the ％
// the mark too.
void printLedgerRow(PrinterPage& page, const LedgerSheet& sheet, int row, double top,
                    RateMark mark = RateMark::None) {
    for (const LedgerColumnEdge& edge : kColumnEdges) {
        const double left =
            mark == RateMark::Printed ? std::max(edge.left, edge.rateMarkRight) : edge.left;
        printAmountBetween(page, edge.rightEdge, top, left, edge.right,
                           sheet.cell(row, edge.column));
    }
}

void printLedgerRows(PrinterPage& page, const PrintData& data) {
    const LedgerSheet& sheet = data.printLedgerTable;
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month)
        printLedgerRow(page, sheet, month, monthTop(month));
    printLedgerRow(page, sheet, kMonthTotalRow, 156);
    for (int bonus = 1; bonus <= kBonusCount; ++bonus)
        printLedgerRow(page, sheet, bonusRow(bonus), bonusTop(bonus), RateMark::Printed);
    printLedgerRow(page, sheet, kBonusTotalRow, 193);
}

struct YearEndBox {
    AdjustmentValue value;
    double top;
};

// Boxes ① to ⑱, against the amount column's right edge, between the box's circled number and
// the rule at 243.5.
constexpr double kAmountColumnEdge = 241;
constexpr double kAmountColumnLeft = 222.1;
constexpr double kAmountColumnRight = 243.5;
constexpr YearEndBox kAmountColumn[] = {{AdjustmentValue::MonthPay, 70},
                                        {AdjustmentValue::BonusPay, 75},
                                        {AdjustmentValue::PayInAll, 80},
                                        {AdjustmentValue::EmploymentIncome, 85},
                                        {AdjustmentValue::SocialInsuranceFromPay, 90},
                                        {AdjustmentValue::DeclaredSocialInsurance, 95},
                                        {AdjustmentValue::MutualAidPremiums, 100},
                                        {AdjustmentValue::LifeInsuranceDeduction, 105},
                                        {AdjustmentValue::CasualtyDeduction, 110},
                                        {AdjustmentValue::SpouseSpecialDeduction, 115},
                                        {AdjustmentValue::DependantsDeduction, 120},
                                        {AdjustmentValue::DeductionsInAll, 125},
                                        {AdjustmentValue::TaxableIncome, 133}};

// Boxes ⑥ to ㉓ of the tax column; ③ comes from the ledger and ㉔ goes without its sign. Between
// the box's circled number and the block's frame at 284.
constexpr double kTaxColumnEdge = 276;
constexpr double kTaxColumnLeft = 260.1;
constexpr double kTaxColumnRight = 284 - 0.15;
constexpr YearEndBox kTaxColumn[] = {{AdjustmentValue::BonusTax, 75},
                                     {AdjustmentValue::TaxWithheld, 80},
                                     {AdjustmentValue::TaxOnTaxableIncome, 133},
                                     {AdjustmentValue::HousingLoanCredit, 138},
                                     {AdjustmentValue::TaxAfterCredit, 143},
                                     {AdjustmentValue::FixedRateReduction, 148},
                                     {AdjustmentValue::AnnualTax, 154}};

void printYearEndAmounts(PrinterPage& page, const PrintData& data) {
    const AdjustmentResult& result = data.adjustmentResult;
    const auto amountBox = [&](double top, std::int64_t amount) {
        printAmountBetween(page, kAmountColumnEdge, top, kAmountColumnLeft, kAmountColumnRight,
                           amount);
    };
    const auto taxBox = [&](double top, std::int64_t amount) {
        printAmountBetween(page, kTaxColumnEdge, top, kTaxColumnLeft, kTaxColumnRight, amount);
    };
    for (const YearEndBox& box : kAmountColumn) amountBox(box.top, result[box.value]);
    taxBox(71, data.printLedgerTable.cell(kMonthTotalRow, LedgerColumn::Tax));
    for (const YearEndBox& box : kTaxColumn) taxBox(box.top, result[box.value]);
    const std::int64_t balance = result[AdjustmentValue::Balance];
    taxBox(160, std::abs(balance));
}

// The label of ㉔ names the excess and the shortfall; the word that does not apply is struck.
void printBalanceMarks(PrinterPage& page, const PrintData& data) {
    constexpr std::string_view kStrike = "＝＝＝＝";
    const std::int32_t balance = data.adjustmentResult[AdjustmentValue::Balance];
    if (balance >= 0) printTextAt(page, 186, 159, kStrike);  // over 超過額
    if (balance <= 0) printTextAt(page, 216, 159, kStrike);  // over 不足額
}

void printNotes(PrinterPage& page, const PrintData& data) {
    // The spouse's total income is the income of the spouse record, which is negative when the
    // spouse's pay is below the employment-income deduction; an income is never below 0.
    const std::int32_t spouseIncome = std::max(0, data.spouseHousingAmounts[3]);
    // Inside the brackets printed from 245 to 276.
    const auto note = [&](double top, std::int64_t amount) {
        printAmountBetween(page, 275, top, 245 + 8 * kMillimetresPerPoint, 276, amount);
    };
    note(89, spouseIncome);
    note(96, data.lifePensionAmounts[8]);
    note(104, data.casualtyAmounts[3]);
    note(115, data.mutualAidPremiums);
}

}  // namespace

void printWithholdingLedger(PrinterPage& page, const PrintData& data) {
    startFormPage(page, kLedgerImage);
    printHeader(page, data);
    printDates(page, data);
    page.setFontSize(kAmountPoints);
    printLedgerRows(page, data);
    printYearEndAmounts(page, data);
    printBalanceMarks(page, data);
    printNotes(page, data);
}

}  // namespace nencho
