// 扶養控除等申告書: the payer, the person and the spouse and dependants table over the
// dependants' declaration form.
#include "printing/page_images.h"
#include "printing/printout_text.h"
#include "printing/printouts.h"

namespace nencho {

namespace {

constexpr double kPoints = 11;

// How far a text keeps from the rule beyond it.
constexpr double kClearance = 0.3;

// The columns of the table: where each prints, the rule at its right, and whether the spouse
// row has it (the spouse row leaves out the relation, the marker and the income).
struct TableColumn {
    int column;
    double x;
    double rightRule;
    bool spouseRow;
};
constexpr TableColumn kTableColumns[] = {
    {1, 56, 83, true},   {2, 84, 100, false}, {3, 102, 139, true},  {4, 140, 153, false},
    {5, 154, 170, true}, {6, 171, 226, true}, {7, 227, 246, false}, {8, 247, 292, true}};
constexpr double kSpouseRowTop = 68;
// The rules above and below the spouse row; each dependant's row is 7 mm high below it.
constexpr double kSpouseRowRules[] = {65, 75.5};
constexpr double kDependantRowHeight = 7;

double dependantRowTop(int dependant) {
    return 70 + 7 * dependant;
}

void printPayerAndPerson(PrinterPage& page, const PrintData& data) {
    // The payer's values stand between the rules at 26, 37 and 49, up to the person's block at
    // 158; the person's name and reading either side of the rule at 31, up to 240; the address
    // on two lines up to the frame at 292.
    printFittedText(page, 79, 31, kPoints, {158 - kClearance, 26 + kClearance, 37 - kClearance},
                    data.companyTexts[2]);
    printFittedText(page, 79, 43, kPoints, {158 - kClearance, 37 + kClearance, 49 - kClearance},
                    data.companyTexts[3]);
    printFittedText(page, 189, 32, kPoints, {240 - kClearance, 31 + kClearance, 37 - kClearance},
                    data.personName);
    printFittedText(page, 219, 39, kPoints, {292 - kClearance, 37 + kClearance, 44},
                    data.personAddress1);
    printFittedText(page, 219, 44, kPoints, {292 - kClearance, 44, 49 - kClearance},
                    data.personAddress2);
    printFittedText(page, 189, 28, 7, {240 - kClearance, 26 + kClearance, 31 - kClearance},
                    data.personReading);
}

void printTableRow(PrinterPage& page, const PrintData& data, int row, double top,
                   const double (&rules)[2], bool spouseRow) {
    for (const TableColumn& column : kTableColumns)
        if (column.spouseRow || !spouseRow)
            printFittedText(
                page, column.x, top, kPoints,
                {column.rightRule - kClearance, rules[0] + kClearance, rules[1] - kClearance},
                data.dependantTable[row][column.column]);
}

}  // namespace

void printDependantsDeclaration(PrinterPage& page, const PrintData& data) {
    startFormPage(page, kDependantsDeclarationImage);
    printDeclarationYear(page, 80, 7);
    page.setFontSize(kPoints);
    printPayerAndPerson(page, data);
    printTableRow(page, data, kSpouseRow, kSpouseRowTop, kSpouseRowRules, true);
    for (int dependant = 1; dependant < kDependantTableRows; ++dependant) {
        const double top = kSpouseRowRules[1] + (dependant - 1) * kDependantRowHeight;
        const double rules[] = {top, top + kDependantRowHeight};
        printTableRow(page, data, kSpouseRow + dependant, dependantRowTop(dependant), rules, false);
    }
}

}  // namespace nencho
