// The option groups and status boxes of the person screen: each choice sets the words of the
// person entry, and the own condition is carried over to the dependants screen.
#include <QCheckBox>
#include <QRadioButton>

#include "platform/ui/screens.h"
#include "records/ui/form6.h"
#include "records/ui/form6_controls.h"

namespace nencho {

void Form6::onSelected(const char* option, std::function<void()> action) {
    onSwitch(option, [action = std::move(action)](bool on) {
        if (on) action();
    });
}

void Form6::select(const QString& option) {
    control<QRadioButton>(option)->setChecked(true);
}

void Form6::connectChoices() {
    for (const auto& era : form6::kEraOptions)
        onSelected(era.control, [this, word = era.word] { entry_.birthEra = word; });
    for (const auto& position : form6::kPositionOptions) {
        onSelected(position.control, [this, word = position.word] {
            entry_.position = word;
            setTextOf(form6::kPositionBox, word);
        });
    }
    for (const auto& own : form6::kOwnConditionOptions) {
        onSelected(own.control,
                   [this, own] { chooseOwnCondition(own.status, own.dependantsOption); });
    }
    onSelected(form6::kNoOwnConditionOption, [this] { chooseNoOwnCondition(); });
    onSelected(form6::kJoiningOption, [this] {
        entry_.status(PersonStatus::Joining) = statusWord(PersonStatus::Joining);
    });
    onSelected(form6::kLeavingOption, [this] {
        entry_.status(PersonStatus::Leaving) = statusWord(PersonStatus::Leaving);
    });
    onSelected(form6::kNoChangeOption, [this] { chooseNoChange(); });
    for (const auto& payKind : form6::kPayKindOptions)
        onSelected(payKind.control, [this, kind = payKind.kind] { entry_.choosePayKind(kind); });
    for (const auto& check : form6::kStatusChecks) {
        onSwitch(check.control, [this, status = check.status](bool checked) {
            entry_.status(status) = checked ? std::string(statusWord(status)) : std::string();
        });
    }
}

void Form6::chooseOwnCondition(PersonStatus status, const char* dependantsOption) {
    entry_.setOwnCondition(status);
    screens::setOption(form5::kForm, dependantsOption, true);
}

void Form6::chooseNoOwnCondition() {
    entry_.setOwnCondition(std::nullopt);
    for (const char* option : form5::kPersonOptions)
        screens::setOption(form5::kForm, option, false);
}

void Form6::chooseNoChange() {
    for (PersonStatus status : {PersonStatus::Joining, PersonStatus::Leaving,
                                PersonStatus::ChangeMonth, PersonStatus::ChangeDay})
        entry_.status(status).clear();
    setTextOf(form6::kChangeMonthBox, {});
    setTextOf(form6::kChangeDayBox, {});
}

void Form6::clearStatusChecks() {
    for (const auto& check : form6::kStatusChecks) {
        control<QCheckBox>(check.control)->setChecked(false);
        entry_.status(check.status).clear();
    }
}

}  // namespace nencho
