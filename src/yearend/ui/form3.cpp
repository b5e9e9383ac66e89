#include "yearend/ui/form3.h"

#include <QLineEdit>

#include "common/amount.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/program.h"
#include "yearend/ui/form3_controls.h"

namespace nencho {

using namespace form3;

Form3::Form3() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("年末調整");
    setFont(QFont("ＭＳ Ｐゴシック", 9));
    setDesignSize(7620, 7440);
    buildCaptions();
    buildAmountBoxes();
    buildSideControls();

    onPress(kLoadButton, [this] { load("年末調整"); });
    onPress(kClearButton, [this] { clear(); });
    onPress(kAdjustButton, [this] { adjust(Storing::Now); });
    onPress(kNotAdjustButton, [this] { notAdjust(); });
    onPress(kReplayStoredButton, [this] { replayStoredDecision(); });
    onPress(kEndButton, [] { endProgram(); });
    // Another screen naming another person or year in the code boxes (the main menu's choice of
    // a person) takes the shown person's values off the sheet at once, so that what the ledger
    // writes in next never stands beside the former person's deductions and results.
    for (const char* box : {kYearBox, kCompanyBox, kPersonBox})
        connect(control<QLineEdit>(box), &QLineEdit::textChanged, this, [this] {
            runHandlerGuarded("年末調整", [this] {
                if (shown_ && shownCodes_ != codesInBoxes()) forgetShownPerson();
            });
        });
}

QStringList Form3::codesInBoxes() const {
    return {textOf(kYearBox), textOf(kCompanyBox), textOf(kPersonBox)};
}

void Form3::emptyBoxes(std::initializer_list<const char*> boxes) {
    for (const char* box : boxes) setTextOf(box, {});
}

// Above 0 the person pays the shortfall; 0 or below is a refund. Both lie on the same place.
void Form3::showBalanceCaption(std::int32_t balance) {
    const bool shortfall = balanceKind(balance) == BalanceKind::Shortfall;
    controlWidget(kShortfallCaption)->setVisible(shortfall);
    controlWidget(kRefundCaption)->setVisible(!shortfall);
}

// The year button takes the working year, then the codes name the person.
std::optional<SheetOwner> Form3::ownerFromBoxes() {
    press(kYearButton);
    return sheetOwner(workingYear().toStdString(), textOf(kCompanyBox).toStdString(),
                      textOf(kPersonBox).toStdString());
}

}  // namespace nencho
