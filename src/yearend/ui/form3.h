#pragma once
// The year-end sheet: one person's pay, tax withheld and deductions of the working year beside
// the result of the adjustment, which 年末調整実行 computes and stores and 年末調整しない
// replaces by the not-adjusted record. The actions live in form3_*.cpp by subject.
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "platform/ui/work_screen.h"
#include "yearend/adjustment.h"
#include "yearend/year_end_sheet.h"

class QLineEdit;

namespace nencho {

class Form3 : public WorkScreen {
    Q_OBJECT

  public:
    Form3();

  private:
    // Layout (form3_layout.cpp).
    void buildCaptions();
    void buildAmountBoxes();
    void buildSideControls();
    QLineEdit* addCaptionBox(const char* name, const char* caption, int left, int top, int width,
                             int height);
    QLineEdit* addAmountBox(const char* name, int left, int top, int width, int height);

    // Boxes (form3.cpp).
    void emptyBoxes(std::initializer_list<const char*> boxes);
    void showBalanceCaption(std::int32_t balance);
    std::optional<SheetOwner> ownerFromBoxes();
    QStringList codesInBoxes() const;

    // Load and clear (form3_load.cpp).
    enum class LoadResult { NoPerson, AmountsDamaged, Loaded };
    LoadResult load(const QString& title);
    void forgetShownPerson();
    void takeUpPerson(const SheetOwner& owner);
    void fillBoxes();
    void clear();

    // The two actions and the replay of the stored decision (form3_adjust.cpp).
    enum class Storing { Now, ByNotAdjust };
    bool adjust(Storing storing);
    bool adjustWithRules(const AdjustmentInput& input, Storing storing);
    void replayStoredDecision();
    void replayNotAdjusted();
    void refuse(AdjustmentOutcome refusal);
    void showAdjustment();
    void notAdjust();
    AdjustmentInput inputFromBoxes() const;
    bool storeResult(AdjustmentStatus status, const QString& title);

    // Whose year the boxes show: the person of the last load.
    std::optional<SheetOwner> shown_;
    // The year and code boxes' texts when that person was taken up.
    QStringList shownCodes_;
    SheetRecords records_;
    // The sheet's values, which belong to the person shown: reset when another is taken up.
    AdjustmentResult result_;
    // Whether 年末調整実行 computed the employment income of the person since the last load.
    bool computedSinceLoad_ = false;
};

}  // namespace nencho
