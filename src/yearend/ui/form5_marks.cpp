// The sheet's options (the person's and the spouse's conditions) and its mark buttons.
#include <QRadioButton>

#include "common/amount.h"
#include "yearend/ui/form5.h"

namespace nencho {

using namespace form5;

namespace {

const char* optionOf(PersonCondition condition) {
    return kPersonOptions[static_cast<std::size_t>(condition)];
}

const char* optionOf(SpouseCondition condition) {
    return kSpouseOptions[static_cast<std::size_t>(condition)];
}

QString decimalText(std::int32_t value) {
    return QString::fromStdString(decimal(value));
}

}  // namespace

// An option's action runs when it is switched on, from code or by another screen.
void Form5::connectOptions() {
    for (PersonCondition condition :
         {PersonCondition::DisabledWidowOrStudent, PersonCondition::SpeciallyDisabled,
          PersonCondition::SpecialWidow, PersonCondition::Elderly})
        onSwitch(optionOf(condition), [this, condition](bool on) {
            if (on) personOptionChosen(condition);
        });
    for (SpouseCondition condition :
         {SpouseCondition::DisabledOrStudent, SpouseCondition::SpeciallyDisabled,
          SpouseCondition::CohabitingSpeciallyDisabled, SpouseCondition::Elderly})
        onSwitch(optionOf(condition), [this, condition](bool on) {
            if (on) spouseOptionChosen(condition);
        });
}

// The sheet's own switching runs the action even when the option is already on, so that
// amounts reset since it was switched on are set again.
void Form5::switchOn(PersonCondition condition) {
    auto* button = control<QRadioButton>(optionOf(condition));
    if (button->isChecked())
        personOptionChosen(condition);
    else
        button->setChecked(true);
}

void Form5::switchOn(SpouseCondition condition) {
    auto* button = control<QRadioButton>(optionOf(condition));
    if (button->isChecked())
        spouseOptionChosen(condition);
    else
        button->setChecked(true);
}

// Shows an option on without its action: a load keeps the stored amounts.
void Form5::showOptionOn(const char* option) {
    auto* button = control<QRadioButton>(option);
    const bool blocked = button->blockSignals(true);
    button->setChecked(true);
    button->blockSignals(blocked);
}

void Form5::personOptionChosen(PersonCondition condition) {
    choosePersonCondition(condition, person_);
    showPersonOptionCaptions(condition);
}

// Each person option names its condition in its caption while chosen; 老年者 names none.
void Form5::showPersonOptionCaptions(std::optional<PersonCondition> condition) {
    const char* captions[] = {"障害者", "特別障害者", "特別寡婦", ""};
    for (std::size_t i = 0; i < kPersonOptions.size(); ++i) {
        const bool chosen = condition && static_cast<std::size_t>(*condition) == i;
        setTextOf(kPersonOptions[i], chosen ? captions[i] : "");
    }
}

void Form5::spouseOptionChosen(SpouseCondition condition) {
    spouse_ = spouseConditionAmounts(condition);
    if (condition == SpouseCondition::Elderly) {
        setTextOf(kSpouseRow.markerButton, "老人");
        setTextOf(kSpouseConditionButton, "老人扶養");
    } else {
        setTextOf(kSpouseRow.markerButton, "");
    }
}

void Form5::connectMarks() {
    for (const GridMark& mark : kPersonMarks)
        onPress(mark.button,
                [this, &mark] { pressGridMark(mark, kPersonMarks.data(), kPersonMarks.size()); });
    for (const GridMark& mark : kSpouseMarks)
        onPress(mark.button,
                [this, &mark] { pressGridMark(mark, kSpouseMarks.data(), kSpouseMarks.size()); });
    for (const TableRow& row : kDependantTableRows)
        onPress(row.markerButton, [this, &row] { pressDependantMarker(row); });
    onPress(kSpouseRow.markerButton, [this] { pressSpouseMarker(); });
    onPress(kSpouseConditionButton, [this] { cycleSpouseCondition(); });
}

// Odd presses mark, even presses unmark; the other marks of the group are emptied, their
// counters kept. A mark changes no amount until the next computation counts it.
void Form5::pressGridMark(const GridMark& pressed, const GridMark* group, std::size_t groupSize) {
    const std::int32_t count = nextMarkCount(textOf(pressed.counter).toStdString());
    setTextOf(pressed.counter, decimalText(count));
    const bool on = marksOn(count);
    setTextOf(pressed.button, on ? kMark : "");
    setTextOf(pressed.flag, on ? "1" : "0");
    for (std::size_t i = 0; i < groupSize; ++i) {
        if (&group[i] == &pressed) continue;
        setTextOf(group[i].button, "");
        setTextOf(group[i].flag, "");
    }
}

void Form5::pressDependantMarker(const TableRow& row) {
    const std::int32_t count = nextSharedCount(textOf(kSharedCounter).toStdString());
    setTextOf(kSharedCounter, decimalText(count));
    const QString caption = QString::fromStdString(markerCaption(count));
    setTextOf(row.markerButton, caption);
    setTextOf(row.marker, caption);
}

// The spouse's 老人 marker: an odd press makes the spouse elderly (the amount and the mark of
// the 老人扶養 row), an even press takes both back.
void Form5::pressSpouseMarker() {
    const std::int32_t count = nextSharedCount(textOf(kSharedCounter).toStdString());
    setTextOf(kSharedCounter, decimalText(count));
    const GridMark& elderlyMark = kSpouseMarks[static_cast<std::size_t>(SpouseCondition::Elderly)];
    if (marksOn(count)) {
        setTextOf(kSpouseRow.markerButton, "老人");
        setTextOf(kSpouseRow.marker, "老人");
        setTextOf(elderlyMark.button, kMark);
        setTextOf(elderlyMark.flag, "1");
        switchOn(SpouseCondition::Elderly);
        setTextOf(kSpouseConditionButton, "老人扶養");
        return;
    }
    setTextOf(kSpouseRow.markerButton, "");
    setTextOf(kSpouseRow.marker, "");
    switchOptionOff(optionOf(SpouseCondition::Elderly));
    spouse_.elderly = 0;
    setTextOf(elderlyMark.button, "");
    setTextOf(elderlyMark.flag, "0");
    setTextOf(kSpouseConditionButton, "");
}

// 条件変更: 障害者, 勤労学生, 特別障害者, 同居特別障害者, then none, by the shared counter.
void Form5::cycleSpouseCondition() {
    const std::int32_t count = nextSharedCount(textOf(kSharedCounter).toStdString());
    setTextOf(kSharedCounter, decimalText(count));
    const SpouseCycleStep step = spouseCycleStep(count);
    setTextOf(kSpouseConditionButton, QString::fromStdString(step.caption));
    if (step.condition)
        switchOn(*step.condition);
    else
        press(kSpouseResetButton);
}

}  // namespace nencho
