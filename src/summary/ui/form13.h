#pragma once
// The summary table: the pay and withholding tax of every ledger row over a company's persons,
// the two half-years and the net total of the stored year-end balances. The main menu fills
// the year and company boxes, presses the year button and 集計, then shows it.
#include "platform/ui/work_screen.h"
#include "summary/summary_table.h"

class QLineEdit;

namespace nencho {

class Form13 : public WorkScreen {
    Q_OBJECT

  public:
    Form13();

  private:
    // Layout (form13_layout.cpp).
    void buildGrid();
    void buildHalfYearBlocks();
    void buildBalanceBlock();
    QLineEdit* addCell(const char* name, int left, int top, int width, const char* caption = "");

    // Actions (form13.cpp).
    void sum();
    void tell(const QString& message);
    void clearFigures();
    void showFigures();
    void showHalfYear(const PayAndTax& sums, const char* payBox, const char* taxBox);

    // The figures of the last 集計, which the half-year buttons show.
    SummaryTable table_;
};

}  // namespace nencho
