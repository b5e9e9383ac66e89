// Loading a person into the person screen, stepping to the neighbouring code, and the clears.
#include <QCheckBox>
#include <QRadioButton>

#include "app/ui/form1_controls.h"
#include "common/amount.h"
#include "common/keys.h"
#include "ledger/ui/form10_controls.h"
#include "ledger/ui/form2_controls.h"
#include "platform/record_error.h"
#include "platform/ui/screens.h"
#include "platform/ui/texts.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form11_controls.h"
#include "records/ui/form12_controls.h"
#include "records/ui/form6.h"
#include "records/ui/form6_controls.h"
#include "summary/ui/form13_controls.h"
#include "withholding/ui/form8_controls.h"
#include "withholding/ui/form9_controls.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

namespace {

// The screens the stepping buttons hide besides the ledger and the year-end screens.
constexpr const char* kHiddenWhileStepping[] = {form7::kForm,  form8::kForm,  form9::kForm,
                                                form10::kForm, form11::kForm, form12::kForm,
                                                form13::kForm};

}  // namespace

void Form6::takeYear() {
    press(form6::kYearButton);
    setTextOf(form6::kEraYearBox, workingYear().mid(1, 2));
}

void Form6::loadPerson() {
    // A code outside 1-99 would name a person of another company.
    const auto codes = typedCodes(stdText(textOf(form6::kCompanyBox)),
                                  stdText(textOf(form6::kPersonCodeBox)), CodeRange::Own);
    if (!codes) {
        fullClear();
        return;
    }
    const std::int32_t key = codes->key;
    screens::write(form2::kForm, form2::kCompanyBox, qs(decimal(codes->companyCode)));
    screens::write(form2::kForm, form2::kPersonBox, qs(decimal(codes->personCode)));
    screens::press(form2::kForm, form2::kLoadButton);

    // Nothing of the person shown before may stay on the screen.
    entry_.setOwnCondition(std::nullopt);
    select(form6::kNoOwnConditionOption);
    select(form6::kNoChangeOption);
    clearStatusChecks();
    press(form6::kNotesClearButton);

    PersonEntry stored;
    try {
        stored = PersonFile::load(key);
    } catch (const RecordError&) {
        fullClear();
        return;
    }
    stored.companyCode = codes->companyCode;
    stored.personKey = key;
    entry_ = stored;
    clearShownChoices();
    showEntry();
    press(form6::kNotesLoadButton);
}

// The era, position and pay-kind options of the person shown before are set off, without
// their actions, so that a record without one of their words shows none selected.
void Form6::clearShownChoices() {
    for (const auto& era : form6::kEraOptions) switchOptionOff(era.control);
    for (const auto& position : form6::kPositionOptions) switchOptionOff(position.control);
    for (const auto& payKind : form6::kPayKindOptions) switchOptionOff(payKind.control);
}

void Form6::showEntry() {
    setTextOf(form6::kReadingBox, qs(entry_.reading));
    setTextOf(form6::kNameBox, qs(entry_.name));
    setTextOf(form6::kAddressUpperBox, qs(entry_.upperAddress));
    setTextOf(form6::kAddressLowerBox, qs(entry_.lowerAddress));
    for (const auto& era : form6::kEraOptions)
        if (entry_.birthEra == era.word) select(era.control);
    setTextOf(form6::kBirthYearBox, qs(decimal(entry_.birthYear)));
    setTextOf(form6::kBirthMonthBox, qs(decimal(entry_.birthMonth)));
    setTextOf(form6::kBirthDayBox, qs(decimal(entry_.birthDay)));
    showPosition();
    showChoices();
    setTextOf(form6::kEraYearBox, qs(entry_.status(PersonStatus::ChangeYear)));
    setTextOf(form6::kChangeMonthBox, qs(entry_.status(PersonStatus::ChangeMonth)));
    setTextOf(form6::kChangeDayBox, qs(entry_.status(PersonStatus::ChangeDay)));
}

void Form6::showPosition() {
    const std::string position = entry_.position;
    setTextOf(form6::kPositionBox, qs(position));
    if (position.empty() || position == "なし") {
        select(form6::kNoPositionOption);
        setTextOf(form6::kPositionBox, {});
        return;
    }
    // Any other text typed at registration stays in the box with the options as they are.
    for (const auto& option : form6::kPositionOptions)
        if (position == option.word) select(option.control);
}

void Form6::showChoices() {
    if (const auto own = storedOwnCondition(entry_)) {
        for (const auto& option : form6::kOwnConditionOptions)
            if (option.status == *own) select(option.control);
    }
    for (const auto& check : form6::kStatusChecks)
        if (entry_.holds(check.status)) control<QCheckBox>(check.control)->setChecked(true);
    if (entry_.holds(PersonStatus::Joining)) select(form6::kJoiningOption);
    if (entry_.holds(PersonStatus::Leaving)) select(form6::kLeavingOption);
    if (const auto payKind = storedPayKind(entry_)) {
        for (const auto& option : form6::kPayKindOptions)
            if (option.kind == *payKind) select(option.control);
    }
}

void Form6::loadChosenPerson() {
    takeYear();
    const auto chosen = parseAmount(stdText(textOf(form6::kChosenPersonBox)));
    setTextOf(form6::kPersonCodeBox, chosen ? qs(decimal(*chosen)) : QString());
    press(form6::kLoadButton);
    press(form6::kNotesLoadButton);
    setTextOf(form6::kEraYearBox, workingYear().mid(1, 2));
}

void Form6::stepPerson(int step) {
    screens::show(form1::kForm);
    for (const char* form : {form2::kForm, form3::kForm, form4::kForm, form5::kForm})
        screens::hide(form);
    screens::show(form6::kForm);
    for (const char* form : kHiddenWhileStepping) screens::hide(form);
    for (const auto& option : form6::kPositionOptions) switchOptionOff(option.control);
    const auto code = parseAmount(stdText(textOf(form6::kPersonCodeBox)));
    if (!code) return;
    setTextOf(form6::kPersonCodeBox, qs(decimal(std::int64_t{*code} + step)));
    press(form6::kLoadButton);
}

void Form6::fullClear() {
    takeYear();
    clearAndReset({form6::kPersonCodeBox, form6::kReadingBox, form6::kNameBox,
                   form6::kAddressUpperBox, form6::kAddressLowerBox, form6::kBirthYearBox,
                   form6::kBirthMonthBox, form6::kBirthDayBox, form6::kChangeMonthBox,
                   form6::kChangeDayBox, form6::kPositionBox});
}

void Form6::partialClear() {
    clearAndReset({form6::kReadingBox, form6::kNameBox, form6::kAddressUpperBox,
                   form6::kBirthYearBox, form6::kBirthMonthBox, form6::kBirthDayBox,
                   form6::kChangeMonthBox, form6::kChangeDayBox});
}

// The clears' common steps: the boxes, the era and position options, the own condition, the
// status boxes, joining or leaving, and the notes. The pay kind and the era text carry over.
void Form6::clearAndReset(std::initializer_list<const char*> boxes) {
    for (const char* box : boxes) setTextOf(box, {});
    for (const auto& era : form6::kEraOptions) switchOptionOff(era.control);
    for (const char* position :
         {form6::kRepresentativeDirectorOption, form6::kDirectorOption, form6::kAuditorOption})
        switchOptionOff(position);
    select(form6::kNoPositionOption);
    select(form6::kNoOwnConditionOption);
    press(form6::kStatusClearButton);
    select(form6::kNoChangeOption);
    press(form6::kNotesClearButton);
}

}  // namespace nencho
