#pragma once
// The spouse special deduction and housing-loan screen: the spouse's reading and name, the
// spouse's income (typed, or from the pay and bonuses the spouse received), the deduction looked
// up from it and the housing-loan credit of one person and year, kept in the person's spouse and
// housing record. The layout lives in form16.cpp, the actions in form16_record.cpp.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/work_screen.h"

namespace nencho {

class Form16 : public WorkScreen {
    Q_OBJECT

  public:
    Form16();

  private:
    // Layout (form16.cpp).
    void buildEntries();
    void buildPayFrame();
    void buildDeductionTable();
    void buildButtons();

    // Actions (form16_record.cpp).
    void connectActions();
    void incomeFromPay();
    void lookUpDeduction();
    void save();
    void load();
    void clearBoxes(std::initializer_list<const char*> boxes);

    std::optional<std::int32_t> keyFromBoxes() const;

    // Record lines 7 to 10 are written back as they were loaded, for the same person and year.
    struct LoadedFrom {
        std::string taxYearCode;
        std::int32_t personKey;
    };
    std::optional<LoadedFrom> loadedFrom_;
    std::array<std::int32_t, 4> reserved_{};
};

}  // namespace nencho
