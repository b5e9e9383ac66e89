// The main window's company and person lists, the company load and the two clears.
#include <QListWidget>

#include "app/selection.h"
#include "app/ui/form1.h"
#include "app/ui/form1_controls.h"
#include "app/ui/form1_screen_groups.h"
#include "common/amount.h"
#include "common/code_list.h"
#include "ledger/ui/form2_controls.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form11_controls.h"
#include "records/ui/form6_controls.h"
#include "summary/ui/form13_controls.h"
#include "yearend/ui/form16_controls.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

namespace {

void hideScreens() {
    for (const char* form : form1::kPersonScreens) screens::hide(form);
}

void fillList(QListWidget* list, const std::vector<std::string>& rows) {
    list->clear();
    for (const std::string& row : rows) list->addItem(QString::fromStdString(row));
}

// A chosen row's code, as the code boxes show it: "05 : ..." gives "5", a code of 0 nothing.
QString codeOfRow(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item) return {};
    return QString::fromStdString(formatAmount(codeFromListItem(item->text().toStdString())));
}

}  // namespace

void Form1::connectSelectionActions() {
    onPress("Command19", [this] { fillCompanyList(); });
    onPress("Command17", [this] { returnToStart(); });
    onPress("Command18", [this] { returnToStart(); });
    onPress("Command12", [this] { loadCompanyFromButton(); });
    onPress("Command25", [this] { chooseCompanyRow(true); });
    onPress("Command9", [this] { clearPerson(); });
    onPress("Command10", [this] { clearCompany(); });
    onPress("Command11", [this] { loadPerson(); });
    for (const char* next : {"Command14", "Command24"}) onPress(next, [this] { stepPerson(1); });
    for (const char* previous : {"Command15", "Command23"})
        onPress(previous, [this] { stepPerson(-1); });
    onChoice("List1", [this](int) { chooseCompanyRow(false); });
    onChoice("List2", [this](int) { choosePersonRow(); });
}

void Form1::fillCompanyList() {
    fillList(control<QListWidget>("List1"), companyListRows());
}

void Form1::returnToStart() {
    press("Command19");
    screens::show(form1::kForm);
}

void Form1::chooseCompanyRow(bool pastGaps) {
    setTextOf("Text161", codeOfRow(control<QListWidget>("List1")));
    const std::string failure = loadCompany();
    auto* persons = control<QListWidget>("List2");
    if (!failure.empty()) {
        fillList(persons, {});
        showMessage(QString::fromStdString(failure), "会社呼び出し", MessageIcon::Exclamation);
        return;
    }
    // The persons are keyed by the code in the box, which the company load has just read.
    currentCompanyCode_ = readCompanyCodeBox(textOf("Text161").toStdString());
    fillList(persons, personListRows(currentCompanyCode_, pastGaps));
}

void Form1::choosePersonRow() {
    setTextOf("Text162", codeOfRow(control<QListWidget>("List2")));
    press("Command11");
}

void Form1::loadCompanyFromButton() {
    const std::string failure = loadCompany();
    if (!failure.empty())
        showMessage(QString::fromStdString(failure), "会社呼び出し", MessageIcon::Exclamation);
}

std::string Form1::loadCompany() {
    press("Command7");
    CompanyHeading company{};
    std::int32_t typedCode = 0;
    try {
        typedCode = readCompanyCodeBox(textOf("Text161").toStdString());
        currentCompanyCode_ = typedCode;
        company = readCompanyHeading(typedCode);
    } catch (const RecordError& error) {
        // The screens keep the former company whole.
        return error.what();
    }
    if (screensCompany_ != company.code) {
        hideScreens();
        screens::hide(form16::kForm);
        loadedPerson_.reset();
    }
    currentCompanyCode_ = company.code;
    const QString typed = QString::fromStdString(decimal(typedCode));
    const QString code = QString::fromStdString(decimal(company.code));
    const QString name = QString::fromStdString(company.name);
    screens::write(form7::kForm, form7::kCompanyBox, typed);
    setTextOf("Command12", name);
    screens::write(form2::kForm, form2::kCompanyBox, code);
    screens::write(form3::kForm, form3::kCompanyBox, code);
    screens::write(form4::kForm, form4::kCompanyBox, code);
    screens::write(form5::kForm, form5::kCompanyBox, code);
    screens::write(form6::kForm, form6::kCompanyBox, code);
    screens::write(form11::kForm, form11::kMenuCompanyBox, code);
    screens::write(form7::kForm, form7::kCompanyBox, code);
    screens::write(form13::kForm, form13::kCompanyBox, code);
    screens::write(form13::kForm, form13::kCompanyNameBox, name);
    screens::write(form16::kForm, form16::kCompanyBox, code);
    screensCompany_ = company.code;
    return {};
}

void Form1::clearPerson() {
    press("Command7");
    setTextOf("Text162", {});
    setTextOf("Command11", "個人名");
    hideScreens();
    loadedPerson_.reset();
}

void Form1::clearCompany() {
    press("Command7");
    setTextOf("Text161", {});
    setTextOf("Command12", "法人名");
    hideScreens();
    for (const char* form : form1::kCompanyOnlyScreens) screens::hide(form);
    // Taking the selection away is no choice of a company.
    auto* companies = control<QListWidget>("List1");
    companies->setCurrentRow(-1);
    companies->clearSelection();
    screensCompany_.reset();
    loadedPerson_.reset();
}

}  // namespace nencho
