#pragma once
// The monthly calculation screen: the ledger hands it one month's pay, month, year and codes;
// it computes the social insurance premiums and the withholding tax (or takes them as typed)
// and writes the month's row back into the ledger.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/screen.h"
#include "withholding/monthly_calculation.h"

namespace nencho {

class Form8 : public Screen {
    Q_OBJECT

  public:
    Form8();

    // Enter (key code 13) moves the focus to the next field as Tab does; the key is passed on.
    void ReturnNext(int keyCode);

  private:
    void buildHandInControls();
    void buildAutomaticFrame();
    void buildDependantsFrame(QWidget* parent);
    void buildManualFrame();
    void buildNotes();
    void connectActions();

    // The automatic calculation ("介護保険なし" / "介護保険あり").
    void calculate(bool withNursingCare);
    // The manual entry ("手動計算実行").
    void enterManually();

    // Checks that tell the user what is wrong and leave the screen as it was.
    std::optional<int> checkedMonth();
    std::optional<std::string> checkedRecordPath(int month);
    // The count of the dependants options; asks when five or more were chosen (none: Cancel).
    std::optional<std::int32_t> chosenDependants();
    std::optional<std::int32_t> askDependants();
    void saveRecord(const std::string& path, int month, const MonthlyCalculation& figures);
    std::vector<std::string> calculationRecords(const std::string& payRecordPath) const;

    bool isTicked(const QString& checkBox) const;
    void showProblem(const QString& prompt);
};

}  // namespace nencho
