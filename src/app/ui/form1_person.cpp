// The person switch: loading the person of the person box, or stepping to the next or
// previous person code, and handing that person to the work screens.
#include "app/selection.h"
#include "app/ui/form1.h"
#include "app/ui/form1_controls.h"
#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "ledger/ui/form2_controls.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/reported_action.h"
#include "platform/ui/screens.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form6_controls.h"
#include "summary/ui/form13_controls.h"
#include "yearend/ui/form16_controls.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"

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
    press(form1::kCloseFilesButton);
    PersonHeading person{};
    std::int16_t typedPerson = 0;
    try {
        typedPerson = readPersonCodeBox(textOf(form1::kPersonBox).toStdString());
        currentPersonCode_ = typedPerson;
        currentCompanyCode_ = readCompanyCodeBox(textOf(form1::kCompanyBox).toStdString());
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
    screens::write(form6::kForm, form6::kChosenPersonBox,
                   QString::fromStdString(decimal(typedPerson)));
    currentPersonCode_ = person.code;
    setTextOf(form1::kPersonLoadButton, QString::fromStdString(person.name));
    screens::write(form2::kForm, form2::kCompanyBox,
                   QString::fromStdString(decimal(currentCompanyCode_)));
    runReported(kPersonTitle, [this] { handPersonToScreens(false); });
}

void Form1::stepPerson(int step) {
    press(form1::kCloseFilesButton);
    PersonHeading person{};
    try {
        currentPersonCode_ =
            steppedPersonCode(readPersonCodeBox(textOf(form1::kPersonBox).toStdString()), step);
        setTextOf(form1::kPersonBox, QString::fromStdString(decimal(currentPersonCode_)));
        currentCompanyCode_ = readCompanyCodeBox(textOf(form1::kCompanyBox).toStdString());
        person = readPersonHeading(currentCompanyCode_, currentPersonCode_, true);
    } catch (const RecordError&) {
        // Stepping past the first or last person, or onto a gap, only shows the new code.
        return;
    }
    // A step keeps the screens' company; when the company box names another one (typed
    // without loading it), that company is loaded first so no screen mixes two companies.
    if (screensCompany_ != currentCompanyCode_ && !loadCompany().empty()) return;
    currentPersonCode_ = person.code;
    setTextOf(form1::kPersonLoadButton, QString::fromStdString(person.name));
    runReported(kPersonTitle, [this] { handPersonToScreens(true); });
}

void Form1::handPersonToScreens(bool viaStep) {
    const QString code = QString::fromStdString(decimal(currentPersonCode_));
    screens::write(form2::kForm, form2::kPersonBox, code);
    screens::write(form3::kForm, form3::kPersonBox, code);
    screens::write(form4::kForm, form4::kPersonBox, code);
    screens::write(form5::kForm, form5::kPersonBox, code);
    if (viaStep) screens::write(form6::kForm, form6::kChosenPersonBox, code);
    screens::write(form7::kForm, form7::kPersonBox, code);
    screens::write(form13::kForm, form13::kPersonBox, code);
    screens::write(form16::kForm, form16::kPersonBox, code);

    const PersonChoice choice{currentCompanyCode_, currentPersonCode_};
    reloadYearEndEntries(choice.company);
    press(form1::kLedgerButton);
    screens::press(form2::kForm, form2::kLoadButton);
    if (viaStep) recomputeStoredDeductions(choice.company, choice.person);
    screens::press(form7::kForm, form7::kDisplayButton);
    loadedPerson_ = choice;
}

// Each screen is cleared and given the year and company (the person code it has already)
// before its load, so that a person without records of their own shows empty screens, never
// the former person's values, and the spouse and housing screen never saves one person's
// entries under another's code.
void Form1::reloadYearEndEntries(std::int32_t company) {
    struct Reload {
        const char* form;
        const char* companyBox;
        const char* yearButton;
        const char* clear;
        const char* load;
    };
    const QString companyCode = QString::fromStdString(decimal(company));
    for (const Reload& screen : {Reload{form4::kForm, form4::kCompanyBox, form4::kYearButton,
                                        form4::kClearButton, form4::kLoadButton},
                                 Reload{form5::kForm, form5::kCompanyBox, form5::kYearButton,
                                        form5::kClearButton, form5::kLoadButton},
                                 Reload{form16::kForm, form16::kCompanyBox, form16::kYearButton,
                                        form16::kClearButton, form16::kLoadButton}}) {
        screens::write(screen.form, screen.companyBox, companyCode);
        screens::press(screen.form, screen.yearButton);
        screens::press(screen.form, screen.clear);
        screens::press(screen.form, screen.load);
    }
}

// A step stores the insurance and dependants deductions again, only for records the person
// has: recomputing from empty screens must not give a person records they never had.
void Form1::recomputeStoredDeductions(std::int32_t company, std::int16_t person) {
    if (hasYearFile(taxYearCode_, company, person, YearFileKind::Insurance))
        screens::press(form4::kForm, form4::kComputeButton);
    if (hasYearFile(taxYearCode_, company, person, YearFileKind::Dependants))
        screens::press(form5::kForm, form5::kComputeButton);
}

}  // namespace nencho
