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
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows) texts << QString::fromStdString(row);
    list->addItems(texts);
}

// A chosen row's code, as the code boxes show it: "05 : ..." gives "5", a code of 0 nothing.
QString codeOfRow(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item) return {};
    return QString::fromStdString(formatAmount(codeFromListItem(item->text().toStdString())));
}

}  // namespace

void Form1::connectSelectionActions() {
    onPress(form1::kFillCompanyListButton, [this] { fillCompanyList(); });
    onPress(form1::kStartFromListButton, [this] { returnToStart(); });
    onPress(form1::kStartButton, [this] { returnToStart(); });
    onPress(form1::kCompanyLoadButton, [this] { loadCompanyFromButton(); });
    onPress(form1::kAllPersonsButton, [this] { chooseCompanyRow(true); });
    onPress(form1::kClearPersonButton, [this] { clearPerson(); });
    onPress(form1::kClearCompanyButton, [this] { clearCompany(); });
    onPress(form1::kPersonLoadButton, [this] { loadPerson(); });
    for (const char* next : {form1::kNextPersonButton, form1::kNextListedPersonButton})
        onPress(next, [this] { stepPerson(1); });
    for (const char* previous : {form1::kPreviousPersonButton, form1::kPreviousListedPersonButton})
        onPress(previous, [this] { stepPerson(-1); });
    onChoice(form1::kCompanyList, [this](int) { chooseCompanyRow(false); });
    onChoice(form1::kPersonList, [this](int) { choosePersonRow(); });
}

void Form1::fillCompanyList() {
    fillList(control<QListWidget>(form1::kCompanyList), companyListRows());
}

void Form1::returnToStart() {
    press(form1::kFillCompanyListButton);
    screens::show(form1::kForm);
}

void Form1::chooseCompanyRow(bool pastGaps) {
    setTextOf(form1::kCompanyBox, codeOfRow(control<QListWidget>(form1::kCompanyList)));
    const std::string failure = loadCompany();
    auto* persons = control<QListWidget>(form1::kPersonList);
    if (!failure.empty()) {
        fillList(persons, {});
        showMessage(QString::fromStdString(failure), "会社呼び出し", MessageIcon::Exclamation);
        return;
    }
    // The persons are keyed by the code in the box, which the company load has just read.
    currentCompanyCode_ = readCompanyCodeBox(textOf(form1::kCompanyBox).toStdString());
    fillList(persons, personListRows(currentCompanyCode_, pastGaps));
}

void Form1::choosePersonRow() {
    setTextOf(form1::kPersonBox, codeOfRow(control<QListWidget>(form1::kPersonList)));
    press(form1::kPersonLoadButton);
}

void Form1::loadCompanyFromButton() {
    const std::string failure = loadCompany();
    if (!failure.empty())
        showMessage(QString::fromStdString(failure), "会社呼び出し", MessageIcon::Exclamation);
}

std::string Form1::loadCompany() {
    press(form1::kCloseFilesButton);
    CompanyHeading company{};
    std::int32_t typedCode = 0;
    try {
        typedCode = readCompanyCodeBox(textOf(form1::kCompanyBox).toStdString());
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
    setTextOf(form1::kCompanyLoadButton, name);
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
    press(form1::kCloseFilesButton);
    setTextOf(form1::kPersonBox, {});
    setTextOf(form1::kPersonLoadButton, "個人名");
    hideScreens();
    loadedPerson_.reset();
}

void Form1::clearCompany() {
    press(form1::kCloseFilesButton);
    setTextOf(form1::kCompanyBox, {});
    setTextOf(form1::kCompanyLoadButton, "法人名");
    hideScreens();
    for (const char* form : form1::kCompanyOnlyScreens) screens::hide(form);
    // Taking the selection away is no choice of a company.
    auto* companies = control<QListWidget>(form1::kCompanyList);
    companies->setCurrentRow(-1);
    companies->clearSelection();
    screensCompany_.reset();
    loadedPerson_.reset();
}

}  // namespace nencho
