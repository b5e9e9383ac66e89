// The main window's company and person lists, the company load and the two clears.
#include <QListWidget>

#include "app/selection.h"
#include "app/ui/form1.h"
#include "common/amount.h"
#include "common/code_list.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"

namespace nencho {

namespace {

// The screens that may show a person: hidden when the person or the company is cleared, and
// when another company is chosen, so that none goes on showing the former choice.
const char* const kPersonScreens[] = {"Form2", "Form3", "Form4", "Form5",
                                      "Form6", "Form7", "Form8", "Form9"};
const char* const kCompanyOnlyScreens[] = {"Form16", "Form17", "Form18"};

void hideScreens() {
    for (const char* form : kPersonScreens) screens::hide(form);
}

void fillList(QListWidget* list, const std::vector<std::string>& rows) {
    const bool blocked = list->blockSignals(true);
    list->clear();
    for (const std::string& row : rows) list->addItem(QString::fromStdString(row));
    list->blockSignals(blocked);
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
    connect(control<QListWidget>("List1"), &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) chooseCompanyRow(false);
    });
    connect(control<QListWidget>("List2"), &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) choosePersonRow();
    });
}

void Form1::fillCompanyList() {
    fillList(control<QListWidget>("List1"), companyListRows());
}

void Form1::returnToStart() {
    press("Command19");
    screens::show("Form1");
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
        screens::hide("Form16");
        loadedPerson_.reset();
    }
    currentCompanyCode_ = company.code;
    const QString typed = QString::fromStdString(decimal(typedCode));
    const QString code = QString::fromStdString(decimal(company.code));
    const QString name = QString::fromStdString(company.name);
    screens::write("Form7", "Text161", typed);
    setTextOf("Command12", name);
    for (const char* form : {"Form2", "Form3", "Form4", "Form5"})
        screens::write(form, "Text161", code);
    screens::write("Form6", "Text1", code);
    screens::write("Form11", "Text23", code);
    screens::write("Form7", "Text161", code);
    screens::write("Form13", "Text161", code);
    screens::write("Form13", "Text4", name);
    screens::write("Form16", "Text161", code);
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
    for (const char* form : kCompanyOnlyScreens) screens::hide(form);
    // Taking the selection away is no choice of a company.
    auto* companies = control<QListWidget>("List1");
    const bool blocked = companies->blockSignals(true);
    companies->setCurrentRow(-1);
    companies->clearSelection();
    companies->blockSignals(blocked);
    screensCompany_.reset();
    loadedPerson_.reset();
}

}  // namespace nencho
