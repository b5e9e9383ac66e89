#include "records/ui/form12.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "common/amount.h"
#include "common/code_list.h"
#include "common/keys.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "records/company_file.h"
#include "records/list_entries.h"
#include "records/maintenance.h"
#include "records/person_file.h"
#include "records/ui/form12_controls.h"

namespace nencho {

namespace {

const QString kFullWidthSpace = QStringLiteral("\u3000");

}  // namespace

std::optional<std::int64_t> typedCode(const QString& text) {
    const auto value = parseAmount(text.trimmed().toStdString());
    if (!value) return std::nullopt;
    return *value;
}

Form12::Form12() : WorkScreen(form12::kForm, form12::kYearBox) {
    setWindowTitle("データ");
    setDesignSize(9990, 7500);
    normalPalette_ = palette();
    buildCompanyControls();
    buildPersonControls();
    buildBackupControls();
    // Pressed by nothing: kept so the screen has every button it is known by.
    addHiddenButton("Command11", "登録先のファイル名");
    addHiddenButton("Command13", "ファイル閉鎖");
}

void Form12::buildCompanyControls() {
    addList(form12::kCompanyList, 120, 120, 3615, 4785);
    onChoice(form12::kCompanyList, [this](int row) { chooseCompany(row); });
    captionButton(
        addButton("Command9", "会社コード", 3960, 120, 1215, 375, [this] { clearCompanyCode(); }));
    addText(form12::kCompanyCodeBox, 5160, 120, 615, 375)->setText(kFullWidthSpace);
    showsUpTo(controlWidget(form12::kCompanyCodeBox), QString::number(kLastCompanyCode));
    addButton(form12::kCompanyLoadButton, "会社呼出", 5760, 120, 1335, 375,
              [this] { loadCompany(); });
    addButton(form12::kClearButton, "クリア", 7080, 120, 1215, 375,
              [this] { clearCompanyChoice(); });
    addLabel("Label1", "法人名", 4440, 600, 735, 255);
    addText(form12::kCompanyNameBox, 5160, 480, 4695, 375)->setText(" ");
    showsUpTo(controlWidget(form12::kCompanyNameBox), fullWidthText(kCompanyNameLength));
    addButton("Command5", "会社・従業員全員の削除", 5160, 960, 3135, 375,
              [this] { deleteCompany(); });
    QLabel* notice = addLabel(form12::kDeletionNotice, "会社・従業員全員の削除が完了しました", 4200,
                              1560, 4095, 255);
    notice->setStyleSheet("color: red;");
    notice->hide();
    addHiddenButton(form12::kCompanyListButton, "表示", [this] { fillCompanyList(); });
}

void Form12::buildPersonControls() {
    addList(form12::kPersonList, 120, 5280, 3615, 1860);
    onChoice(form12::kPersonList, [this](int row) { choosePerson(row); });
    captionButton(
        addButton("Command2", "個人コード", 3960, 5280, 1215, 375, [this] { clearPersonCode(); }));
    addText(form12::kPersonCodeBox, 5160, 5280, 615, 375)->setText(kFullWidthSpace);
    showsUpTo(controlWidget(form12::kPersonCodeBox), QString::number(kLastPersonCode));
    addButton(form12::kPersonLoadButton, "個人呼出", 5760, 5280, 1335, 375,
              [this] { loadPerson(); });
    addButton("Command3", "NEXT", 7080, 5280, 855, 375, [this] { nextPerson(); });
    addLabel("Label2", "個人名", 4440, 5760, 735, 255);
    addText(form12::kPersonNameBox, 5160, 5640, 4695, 375)->setText(" ");
    showsUpTo(controlWidget(form12::kPersonNameBox), fullWidthText(kNameLength));
    addButton("Command1", "個人データの削除", 5160, 6120, 3135, 375, [this] { deletePerson(); });
    addText(form12::kNewPersonCodeBox, 5160, 6600, 615, 375)->setText(kFullWidthSpace);
    showsUpTo(controlWidget(form12::kNewPersonCodeBox), QString::number(kLastPersonCode));
    addButton("Command10", "に、個人コードを変更する", 5760, 6600, 2895, 375,
              [this] { copyToNewCode(); });
}

void Form12::formLoad() {
    press(form12::kYearButton);
}

void Form12::fillCompanyList() {
    auto* list = control<QListWidget>(form12::kCompanyList);
    list->clear();
    for (std::int64_t code : storedCompanyCodes()) {
        if (const auto entry = readCompanyListEntry(code))
            list->addItem(QString::fromStdString(codeListItem(entry->code, entry->name)));
    }
}

void Form12::chooseCompany(int row) {
    auto* list = control<QListWidget>(form12::kCompanyList);
    if (row < 0 || !list->item(row)) return;
    control<QLabel>(form12::kDeletionNotice)->hide();
    setTextOf(form12::kPersonCodeBox, "");
    setTextOf(form12::kPersonNameBox, "");
    const std::int64_t code = codeFromListItem(list->item(row)->text().toStdString());
    setTextOf(form12::kCompanyCodeBox, QString::fromStdString(formatAmount(code)));
    press(form12::kCompanyLoadButton);
    fillPersonList();
}

void Form12::loadCompany() {
    const auto code = typedCode(textOf(form12::kCompanyCodeBox));
    const auto entry = code ? readCompanyListEntry(*code) : std::nullopt;
    if (!entry) {
        // No company: no name stays beside a code, a backup or a restore.
        for (const char* box : {form12::kCompanyCodeBox, form12::kCompanyNameBox,
                                form12::kPersonNameBox, form12::kPersonCodeBox,
                                form12::kRestoreCompanyNameBox, form12::kBackupCompanyNameBox})
            setTextOf(box, "");
        return;
    }
    const QString name = QString::fromStdString(entry->name);
    for (const char* box :
         {form12::kCompanyNameBox, form12::kBackupCompanyNameBox, form12::kRestoreCompanyNameBox})
        setTextOf(box, name);
}

void Form12::fillPersonList() {
    auto* list = control<QListWidget>(form12::kPersonList);
    list->clear();
    const auto company = typedCode(textOf(form12::kCompanyCodeBox));
    if (!company) return;
    for (std::int64_t code : storedPersonCodes(*company)) {
        if (const auto entry = readPersonListEntry(*company, code))
            list->addItem(QString::fromStdString(codeListItem(entry->code, entry->name)));
    }
}

void Form12::choosePerson(int row) {
    auto* list = control<QListWidget>(form12::kPersonList);
    if (row < 0 || !list->item(row)) return;
    setTextOf(form12::kNewPersonCodeBox, "");
    const std::int64_t code = codeFromListItem(list->item(row)->text().toStdString());
    setTextOf(form12::kPersonCodeBox, QString::fromStdString(formatAmount(code)));
    press(form12::kPersonLoadButton);
}

void Form12::loadPerson() {
    // A load starts from empty: a failed one shows no earlier person's name.
    setTextOf(form12::kPersonNameBox, "");
    auto refuse = [](const std::string& description) {
        dialogs().messageBox(QString::fromStdString(description), "個人呼び出し",
                             MessageIcon::Exclamation, MessageButtons::Ok);
    };
    const auto company = typedCode(textOf(form12::kCompanyCodeBox));
    if (!company)
        return refuse(
            codeBoxRefusal(kCompanyCodeName, textOf(form12::kCompanyCodeBox).toStdString()));
    const auto person = typedCode(textOf(form12::kPersonCodeBox));
    if (!person)
        return refuse(codeBoxRefusal("個人コード", textOf(form12::kPersonCodeBox).toStdString()));
    try {
        const PersonEntry record = PersonFile::loadFile(ownPersonFilePath(*company, *person));
        setTextOf(form12::kPersonNameBox, QString::fromStdString(record.name));
    } catch (const RecordError& error) {
        refuse(error.isMissingFile() ? unregisteredPerson(*person) : error.what());
    } catch (const Failure& error) {
        refuse(error.what());
    }
}

void Form12::nextPerson() {
    const auto person = typedCode(textOf(form12::kPersonCodeBox));
    if (!person) return;
    const std::int64_t next = *person + 1;
    setTextOf(form12::kPersonCodeBox, QString::fromStdString(decimal(next)));
    // Only the company's own codes are read: code 100 and on belong to the next company.
    const auto company = typedCode(textOf(form12::kCompanyCodeBox));
    const auto entry =
        company && isOwnPersonCode(next) ? readPersonListEntry(*company, next) : std::nullopt;
    setTextOf(form12::kPersonNameBox, entry ? QString::fromStdString(entry->name) : QString());
}

void Form12::clearPersonCode() {
    setTextOf(form12::kPersonCodeBox, "");
    setTextOf(form12::kPersonNameBox, "");
}

void Form12::clearCompanyChoice() {
    auto* list = control<QListWidget>(form12::kCompanyList);
    list->setCurrentRow(-1);
    list->clearSelection();
    setTextOf(form12::kCompanyCodeBox, "");
    setTextOf(form12::kCompanyNameBox, "");
}

void Form12::clearCompanyCode() {
    setTextOf(form12::kCompanyCodeBox, "");
    setTextOf(form12::kCompanyNameBox, "");
    control<QLabel>(form12::kDeletionNotice)->hide();
}

}  // namespace nencho
