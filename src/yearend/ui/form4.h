#pragma once
// The insurance screen: life, individual-pension and casualty policies with their premiums,
// the declared social insurance and the mutual aid premiums of one person and year, the
// deductions computed from them and the person's insurance record. The layout lives in
// form4_layout.cpp, the actions in form4_record.cpp.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ui/work_screen.h"
#include "yearend/insurance_file.h"

class QLineEdit;

namespace nencho {

class Form4 : public WorkScreen {
    Q_OBJECT

  public:
    Form4();

  private:
    // Layout (form4_layout.cpp).
    void buildLifeFrame();
    void buildCasualtyFrame();
    void buildEntryStrip();
    void buildButtons();
    // A box of the grids, the entry strip and the results, by its number: kept as made.
    QLineEdit* addNumberedBox(int number, int left, int top, int width, int height,
                              QWidget* parent = nullptr);
    QLineEdit* numberedBox(int number) const;

    // Actions (form4_record.cpp).
    void connectActions();
    void clear();
    void load();
    void compute();
    void showLedgerInsurance();

    std::optional<std::int32_t> keyFromBoxes() const;
    std::int32_t amountOf(int box) const;
    void showAmount(int box, std::int32_t value);
    InsuranceRecord recordFromBoxes() const;
    void showRecord(const InsuranceRecord& record);

    std::vector<QLineEdit*> boxes_;  // by box number
};

}  // namespace nencho
