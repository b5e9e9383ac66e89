// 扶養控除等申告書: the payer, the person and the spouse and dependants table over the
// dependants' declaration form.
#include "printing/page_images.h"
#include "printing/printout_text.h"
#include "printing/printouts.h"

namespace nencho {

namespace {

// The columns of the table and where each prints; the spouse row leaves out the relation, the
// marker and the income.
struct TableColumn {
    int column;
    double x;
    bool spouseRow;
};
constexpr TableColumn kTableColumns[] = {{1, 56, true},   {2, 84, false}, {3, 102, true},
                                         {4, 140, false}, {5, 154, true}, {6, 171, true},
                                         {7, 227, false}, {8, 247, true}};
constexpr double kSpouseRowTop = 68;

double dependantRowTop(int dependant) {
    return 70 + 7 * dependant;
}

void printPayerAndPerson(PrinterPage& page, const PrintData& data) {
    page.setFontSize(11);
    printTextAt(page, 79, 31, data.companyTexts[2]);
    printTextAt(page, 79, 43, data.companyTexts[3]);
    printTextAt(page, 189, 32, data.personName);
    printTextAt(page, 219, 39, data.personAddress1);
    printTextAt(page, 219, 44, data.personAddress2);
    page.setFontSize(7);
    printTextAt(page, 189, 28, data.personReading);
}

void printTableRow(PrinterPage& page, const PrintData& data, int row, double top, bool spouseRow) {
    for (const TableColumn& column : kTableColumns)
        if (column.spouseRow || !spouseRow)
            printTextAt(page, column.x, top, data.dependantTable[row][column.column]);
}

}  // namespace

void printDependantsDeclaration(PrinterPage& page, const PrintData& data) {
    startFormPage(page, kDependantsDeclarationImage);
    printDeclarationYear(page, 80, 7);
    printPayerAndPerson(page, data);
    page.setFontSize(11);
    printTableRow(page, data, kSpouseRow, kSpouseRowTop, true);
    for (int dependant = 1; dependant < kDependantTableRows; ++dependant)
        printTableRow(page, data, kSpouseRow + dependant, dependantRowTop(dependant), false);
}

}  // namespace nencho
