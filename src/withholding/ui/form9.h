#pragma once
// The bonus calculation screen: the ledger hands it one bonus and its number; it computes the
// health and employment premiums and the tax from the previous month's pay (or takes them as
// typed) and writes the bonus row back into the ledger.
#include <cstdint>
#include <optional>

#include "platform/ui/screen.h"

namespace nencho {

class Form9 : public Screen {
    Q_OBJECT

  public:
    Form9();

    // Enter (key code 13) moves the focus to the next field as Tab does; the key is passed on.
    void ReturnNext(int keyCode);

  private:
    void buildAutomaticControls();
    void buildDependantsFrame();
    void buildManualFrame();
    void connectActions();
    void connectSteppers();

    // The automatic calculation ("計算実行") and the manual entry ("手動計算実行").
    void calculate();
    void enterManually();

    // The bonus number 1 to 3 in a carrier box; tells the user when it is not one.
    std::optional<int> checkedBonusNumber(const QString& box);
    bool isTicked(const QString& checkBox) const;
    void showProblem(const QString& prompt);

    int dependantsNumber_ = 0;  // set only by the dependants options
};

}  // namespace nencho
