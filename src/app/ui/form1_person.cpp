// The person switch: loading the person of the person box, or stepping to the next or
// previous person code, and handing that person to the work screens.
#include "app/selection.h"
#include "app/ui/form1.h"
#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/reported_action.h"
#include "platform/ui/screens.h"
#include "yearend/ui/form16_controls.h"

namespace nencho {

namespace {

const char* const kPersonTitle = "個人呼び出し";

bool hasYearFile(const std::string& taxYearCode, std::int32_t company, std::int16_t person,
                 YearFileKind kind) {
    const auto key = personKey(company, person);
    if (!key) return false;
    const auto path = yearFilePath(taxYearCode, *key, kind);
    return path && fileExists(*path);
}

}  // namespace

void Form1::loadPerson() {
    press("Command7");
    PersonHeading person{};
    std::int16_t typedPerson = 0;
    try {
        typedPerson = readPersonCodeBox(textOf("Text162").toStdString());
        currentPersonCode_ = typedPerson;
        currentCompanyCode_ = readCompanyCodeBox(textOf("Text161").toStdString());
        // The person's record is read before the company is loaded, so that a person who
        // cannot be loaded leaves every screen with the former company and person.
        person = readPersonHeading(currentCompanyCode_, typedPerson, false);
    } catch (const RecordError& error) {
        showMessage(QString::fromStdString(error.what()), kPersonTitle, MessageIcon::Exclamation);
        return;
    }
    if (const std::string failure = loadCompany(); !failure.empty()) {
        showMessage(QString::fromStdString(failure), kPersonTitle, MessageIcon::Exclamation);
        return;
    }
    screens::write("Form6", "Text2", QString::fromStdString(decimal(typedPerson)));
    currentPersonCode_ = person.code;
    setTextOf("Command11", QString::fromStdString(person.name));
    screens::write("Form2", "Text161", QString::fromStdString(decimal(currentCompanyCode_)));
    runReported(kPersonTitle, [this] { handPersonToScreens(false); });
}

void Form1::stepPerson(int step) {
    press("Command7");
    PersonHeading person{};
    try {
        currentPersonCode_ =
            steppedPersonCode(readPersonCodeBox(textOf("Text162").toStdString()), step);
        setTextOf("Text162", QString::fromStdString(decimal(currentPersonCode_)));
        currentCompanyCode_ = readCompanyCodeBox(textOf("Text161").toStdString());
        person = readPersonHeading(currentCompanyCode_, currentPersonCode_, true);
    } catch (const RecordError&) {
        // Stepping past the first or last person, or onto a gap, only shows the new code.
        return;
    }
    // A step keeps the screens' company; when the company box names another one (typed
    // without loading it), that company is loaded first so no screen mixes two companies.
    if (screensCompany_ != currentCompanyCode_ && !loadCompany().empty()) return;
    currentPersonCode_ = person.code;
    setTextOf("Command11", QString::fromStdString(person.name));
    runReported(kPersonTitle, [this] { handPersonToScreens(true); });
}

void Form1::handPersonToScreens(bool viaStep) {
    const QString code = QString::fromStdString(decimal(currentPersonCode_));
    for (const char* form : {"Form2", "Form3", "Form4", "Form5"})
        screens::write(form, "Text162", code);
    if (viaStep) screens::write("Form6", "Text2", code);
    for (const char* form : {"Form7", "Form13", "Form16"}) screens::write(form, "Text162", code);

    const PersonChoice choice{currentCompanyCode_, currentPersonCode_};
    reloadYearEndEntries(choice.company);
    press("Command1");
    screens::press("Form2", "Command2");
    if (viaStep) recomputeStoredDeductions(choice.company, choice.person);
    screens::press("Form7", "Command3");
    loadedPerson_ = choice;
}

// Each screen is cleared and given the year and company (the person code it has already)
// before its load, so that a person without records of their own shows empty screens, never
// the former person's values, and the spouse and housing screen never saves one person's
// entries under another's code.
void Form1::reloadYearEndEntries(std::int32_t company) {
    struct Reload {
        const char* form;
        const char* clear;
        const char* load;
    };
    const QString companyCode = QString::fromStdString(decimal(company));
    for (const Reload& screen :
         {Reload{"Form4", "Command3", "Command2"}, Reload{"Form5", "Command10", "Command9"},
          Reload{form16::kForm, form16::kClearButton, form16::kLoadButton}}) {
        screens::write(screen.form, "Text161", companyCode);
        screens::press(screen.form, "Command36");
        screens::press(screen.form, screen.clear);
        screens::press(screen.form, screen.load);
    }
}

// A step stores the insurance and dependants deductions again, only for records the person
// has: recomputing from empty screens must not give a person records they never had.
void Form1::recomputeStoredDeductions(std::int32_t company, std::int16_t person) {
    if (hasYearFile(taxYearCode_, company, person, YearFileKind::Insurance))
        screens::press("Form4", "Command1");
    if (hasYearFile(taxYearCode_, company, person, YearFileKind::Dependants))
        screens::press("Form5", "Command3");
}

}  // namespace nencho
