// Stepping to the next or previous person, back to the main menu, and the hand-over to batch
// printing.
#include "app/ui/form1_controls.h"
#include "batch/ui/form17_controls.h"
#include "common/amount.h"
#include "common/keys.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"

namespace nencho {

using namespace form7;

namespace {

QString digits(std::int64_t value) {
    return QString::fromStdString(decimal(value));
}

const char* const kScreensBeforeThis[] = {"Form2", "Form3", "Form4", "Form5", "Form6"};
const char* const kScreensAfterThis[] = {"Form8", "Form9", "Form10", "Form11", "Form12", "Form13"};

}  // namespace

// 次の人 and 前の人 move between the company's person codes 1 to 99; at either end, or with no
// person chosen, they only beep.
void Form7::stepPerson(int step) {
    const auto person = codeIn(kPersonBox);
    if (!person || !isOwnPersonCode(std::int64_t{*person} + step)) {
        dialogs().beep();
        return;
    }
    screens::hide(form1::kForm);
    for (const char* form : kScreensBeforeThis) screens::hide(form);
    screens::show(kForm);
    for (const char* form : kScreensAfterThis) screens::hide(form);
    setTextOf(kPersonBox, digits(*person + step));
    press(kLoadButton);
}

// Hands the person on this screen to the main menu, which loads them again. Without a person
// the main menu is shown as it is.
void Form7::backToMenu() {
    const auto person = codeIn(kPersonBox);
    if (person) screens::write(form1::kForm, form1::kPersonBox, digits(*person));
    screens::show(form1::kForm);
    for (const char* form : kScreensBeforeThis) screens::hide(form);
    screens::hide(kForm);
    for (const char* form : kScreensAfterThis) screens::hide(form);
    if (person) screens::press(form1::kForm, form1::kPersonLoadButton);
}

// The batch screen takes over the working year with its two digits, the company and the person;
// without a company there is nothing to hand over.
void Form7::handOverToBatch() {
    press(kYearButton);
    const auto company = codeIn(kCompanyBox);
    if (!company) {
        dialogs().beep();
        return;
    }
    const std::int32_t person = codeIn(kPersonBox).value_or(data_.personCode);
    screens::write(form17::kForm, form17::kYearBox, workingYear());
    screens::write(form17::kForm, form17::kEraYearBox, textOf(kEraYearBox));
    screens::write(form17::kForm, form17::kCompanyBox, digits(*company));
    screens::write(form17::kForm, form17::kPersonBox, digits(person));
    screens::press(form17::kForm, form17::kYearButton);
    screens::press(form17::kForm, form17::kLoadButton);
    screens::show(form17::kForm);
}

}  // namespace nencho
