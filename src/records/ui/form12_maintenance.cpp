// Deleting a person or a whole company and copying a person to a new person code.
#include <QLabel>
#include <QListWidget>

#include "common/amount.h"
#include "common/failure.h"
#include "common/keys.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "records/maintenance.h"
#include "records/ui/form12.h"
#include "records/ui/form12_controls.h"

namespace nencho {

namespace {

const QString kPersonDeletionTitle = "個人データの削除";
const QString kCompanyDeletionTitle = "会社・従業員全員の削除";
// Every failure of the copy carries the title of its most common cause.
const QString kCopyTitle = "年末調整がまだ完了していません。処理が不可能です。";

void showRefusal(const std::exception& error, const QString& title) {
    showMessage(QString::fromStdString(error.what()), title, MessageIcon::Exclamation);
}

bool askDeletion(const std::string& question) {
    return dialogs().messageBox({}, QString::fromStdString(question), MessageIcon::Question,
                                MessageButtons::OkCancel) == MessageAnswer::Ok;
}

}  // namespace

std::optional<std::int64_t> Form12::codeIn(const QString& box, const QString& what,
                                           const QString& title) {
    const std::string typed = textOf(box).toStdString();
    const AmountReading code = readAmount(textOf(box).trimmed().toStdString());
    if (code.value) return *code.value;
    // A code that cannot be read gets the same message on every screen.
    showMessage(QString::fromStdString(codeBoxRefusal(what.toStdString(), typed)), title,
                MessageIcon::Exclamation);
    return std::nullopt;
}

void Form12::deletePerson() {
    const auto company = codeIn(form12::kCompanyCodeBox, "会社コード", kPersonDeletionTitle);
    if (!company) return;
    const auto person = codeIn(form12::kPersonCodeBox, "個人コード", kPersonDeletionTitle);
    if (!person) return;
    const std::string year = workingYear().toStdString();
    try {
        // The question names the person of the codes typed now, read just before asking.
        if (!askDeletion(personDeletionQuestion(year, *company, *person))) {
            dialogs().beep();
            return;
        }
        nencho::deletePerson(year, *company, *person);
        dialogs().beep();
    } catch (const Failure& error) {
        showRefusal(error, kPersonDeletionTitle);
    }
}

void Form12::deleteCompany() {
    const auto company = codeIn(form12::kCompanyCodeBox, "会社コード", kCompanyDeletionTitle);
    if (!company) return;
    const std::string year = workingYear().toStdString();
    try {
        if (!askDeletion(companyDeletionQuestion(year, *company))) return;
    } catch (const Failure& error) {
        return showRefusal(error, kCompanyDeletionTitle);
    }
    try {
        nencho::deleteCompany(year, *company);
        control<QLabel>(form12::kDeletionNotice)->show();
    } catch (const Failure& error) {
        showRefusal(error, kCompanyDeletionTitle);
    }
    endCompanyDeletion();
}

void Form12::endCompanyDeletion() {
    press(form12::kClearButton);
    press(form12::kCompanyListButton);
    control<QListWidget>(form12::kPersonList)->clear();
}

void Form12::copyToNewCode() {
    const auto company = codeIn(form12::kCompanyCodeBox, "会社コード", kCopyTitle);
    if (!company) return;
    const auto from = codeIn(form12::kPersonCodeBox, "個人コード", kCopyTitle);
    if (!from) return;
    const auto to = codeIn(form12::kNewPersonCodeBox, "新しい個人コード", kCopyTitle);
    if (!to) return;
    const PersonCopy copy{workingYear().toStdString(), *company, *from, *to};
    try {
        if (checkPersonCopy(copy) &&
            dialogs().messageBox({}, "書き換えますか", MessageIcon::Question,
                                 MessageButtons::OkCancel) != MessageAnswer::Ok)
            return;
        copyPerson(copy);
        dialogs().beep();
    } catch (const Failure& error) {
        showRefusal(error, kCopyTitle);
    }
}

}  // namespace nencho
