#pragma once
// The fixture of the two calculation screens' tests: person 2 of company 1 open in the ledger of
// H17, and a calculation screen handed a month or a bonus the way the ledger's button does.
#include <QStringList>
#include <initializer_list>
#include <utility>

#include "common/paths.h"
#include "ledger/ledger_grid.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {

class CalculationScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ensureDataTree("H17");
        openLedgerOf("1", "2");
    }

    // The ledger's hand-over: the screen's clear pressed, the screen shown, the boxes written.
    // The events recorded so far are dropped.
    Screen& handIn(const QString& form, const QString& clearButton,
                   std::initializer_list<std::pair<QString, QString>> boxes) {
        screens::press(form, clearButton);
        screens::show(form);
        for (const auto& [box, text] : boxes) screens::write(form, box, text);
        clearEvents();
        return screens::touch(form);
    }

    // The six boxes of ledger row 1 to 18 a calculation writes: pay, social insurance, after
    // it, dependants, tax and the tax again.
    static QStringList ledgerRow(int row) {
        const LedgerRowBoxes boxes = ledgerRowBoxes(row);
        QStringList texts;
        for (int box : {boxes.pay, boxes.insurance, boxes.afterInsurance, boxes.dependants,
                        boxes.tax, boxes.taxAgain})
            texts << screens::read("Form2", QString("Text%1").arg(box));
        return texts;
    }
};

}  // namespace nencho::test
