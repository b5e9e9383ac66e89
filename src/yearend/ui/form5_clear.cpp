// The sheet's clear and the buttons that reset or empty a part of it.
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "common/amount.h"
#include "platform/ui/program.h"
#include "platform/ui/screens.h"
#include "yearend/ui/form18_controls.h"
#include "yearend/ui/form5.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

using namespace form5;

void Form5::connectResets() {
    onPress(kSpouseResetButton, [this] { resetSpouse(); });
    onPress(kTotalsResetButton, [this] { resetTotals(); });
    onPress(kTypedCountsResetButton, [this] {
        for (const GridRow& row : kGridRows) setTextOf(row.typedCount, "");
    });
    onPress(kSpouseRowResetButton, [this] { emptySpouseRow(); });
    onPress(kTableClearButton, [this] { emptyTable(); });
    onPress(kCountUpButton, [this] { countUp(); });
    onPress(kCountClearButton, [this] { setTextOf(kDependantsCountBox, ""); });
    onPress(kClearButton, [this] { clearSheet(); });
    onPress(kReferenceButton, [] { screens::show(form18::kForm); });
    onPress(kEndButton, [] { endProgram(); });
}

// The spouse's condition taken back: R6 to R9 are 0.
void Form5::resetSpouse() {
    for (const char* option : kSpouseOptions) switchOptionOff(option);
    spouse_ = {};
    showTotalCaption(kTotalCaption, Qt::AlignCenter);
}

// The row totals and the amounts counted from them (R10 to R15) taken back.
void Form5::resetTotals() {
    emptyTotals();
    showTotalCaption(kTotalCaption, Qt::AlignCenter);
}

void Form5::emptyTotals() {
    for (const GridRow& row : kGridRows) setTextOf(row.total, "");
    setTextOf(kGrandTotalBox, "");
}

void Form5::showTotalCaption(const QString& caption, Qt::Alignment alignment) {
    control<QLineEdit>(kTotalBox)->setAlignment(alignment);
    setTextOf(kTotalBox, caption);
}

// The 47 boxes the record keeps, the hidden markers included; the relation of the spouse
// starts as 妻.
void Form5::emptyTable() {
    for (const auto& stored : kSpouseStoredBoxes) setTextOf(kSpouseRow.*stored.box, "");
    for (const TableRow& row : kDependantTableRows)
        for (const auto& stored : kDependantStoredBoxes) setTextOf(row.*stored.box, "");
    setTextOf(kSpouseRow.relation, "妻");
}

void Form5::emptySpouseRow() {
    for (const char* box : {kSpouseRow.name, kSpouseRow.birthDate, kSpouseRow.occupation,
                            kSpouseRow.address, kSpouseRow.annualIncome, kSpouseRow.other})
        setTextOf(box, "");
}

void Form5::countUp() {
    const std::int32_t count = amountOf(kDependantsCountBox);
    if (count == std::numeric_limits<std::int32_t>::max()) return;
    setTextOf(kDependantsCountBox, QString::fromStdString(decimal(count + 1)));
}

// Empties everything the sheet shows of a person. The options are switched off too, as the
// amounts they set are 0 now: switching one on again then sets its amounts again.
// The totals' caption is written once, centred as the reset of the totals leaves it.
void Form5::clearSheet() {
    emptyTotals();
    setTextOf(kSpouseConditionButton, "条件変更");
    control<QLabel>(kSpouseNote)->setVisible(true);
    emptyTable();
    setTextOf(kDependantsCountBox, "");
    showTotalCaption(QString(kTotalCaption) + " ", Qt::AlignCenter);
    setTextOf(kSpouseRow.annualIncome, "");
    person_ = {};
    spouse_ = {};
    for (const char* option : kPersonOptions) switchOptionOff(option);
    for (const char* option : kSpouseOptions) switchOptionOff(option);
    showPersonOptionCaptions(std::nullopt);
    setTextOf(kSpouseRow.markerButton, "");
    for (const TableRow& row : kDependantTableRows) setTextOf(row.markerButton, "");
    auto emptyMarks = [this](const auto& marks) {
        for (const GridMark& mark : marks)
            for (const char* name : {mark.button, mark.flag, mark.counter}) setTextOf(name, "");
    };
    emptyMarks(kPersonMarks);
    emptyMarks(kSpouseMarks);
    for (const GridRow& row : kGridRows) {
        if (row.restoreFlag) setTextOf(row.restoreFlag, "0");
        setTextOf(row.typedCount, "");
    }
    setTextOf(kOwnConditionBox, "");
    setTextOf(kGrandTotalBox, "");
}

}  // namespace nencho
