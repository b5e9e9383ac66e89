// Deleting a person or a whole company and copying a person to a new person code.
#include <QLabel>
#include <QListWidget>

#include "platform/ui/dialogs.h"
#include "records/maintenance.h"
#include "records/ui/form12.h"

namespace nencho {

namespace {

const QString kPersonDeletionTitle = "個人データの削除";
const QString kCompanyDeletionTitle = "会社・従業員全員の削除";
// Every failure of the copy carries the title of its most common cause.
const QString kCopyTitle = "年末調整がまだ完了していません。処理が不可能です。";

void showRefusal(const std::exception& error, const QString& title) {
    showMessage(QString::fromStdString(error.what()), title, MessageIcon::Exclamation);
}

void showFailures(const DeletionReport& report, const QString& title) {
    QString prompt = "削除できなかったファイルがあります。";
    for (const std::string& failure : report.failures)
        prompt += "\n" + QString::fromStdString(failure);
    showMessage(prompt, title, MessageIcon::Exclamation);
}

bool askDeletion(const std::string& name, const QString& question) {
    return dialogs().messageBox({}, QString::fromStdString(name) + question, MessageIcon::Question,
                                MessageButtons::OkCancel) == MessageAnswer::Ok;
}

}  // namespace

std::optional<std::int64_t> Form12::codeIn(const QString& box, const QString& what,
                                           const QString& title) {
    const auto code = typedCode(textOf(box));
    if (!code) showMessage(what + "を入力してください。", title, MessageIcon::Exclamation);
    return code;
}

void Form12::deletePerson() {
    const auto company = codeIn("Text1", "会社コード", kPersonDeletionTitle);
    if (!company) return;
    const auto person = codeIn("Text4", "個人コード", kPersonDeletionTitle);
    if (!person) return;
    try {
        // The question names the person of the codes typed now, read just before asking.
        const std::string name = personNameToDelete(*company, *person);
        if (!askDeletion(name, " 氏を削除しますか")) {
            dialogs().beep();
            return;
        }
        const DeletionReport report =
            nencho::deletePerson(workingYear().toStdString(), *company, *person);
        if (!report.complete()) return showFailures(report, kPersonDeletionTitle);
        dialogs().beep();
    } catch (const std::runtime_error& error) {
        showRefusal(error, kPersonDeletionTitle);
    }
}

void Form12::deleteCompany() {
    const auto company = codeIn("Text1", "会社コード", kCompanyDeletionTitle);
    if (!company) return;
    DeletionReport report;
    try {
        const std::string name = companyNameToDelete(*company);
        if (!askDeletion(name, " を削除しますか")) return;
        report = nencho::deleteCompany(workingYear().toStdString(), *company);
    } catch (const std::runtime_error& error) {
        return showRefusal(error, kCompanyDeletionTitle);
    }
    if (report.complete())
        control<QLabel>("Label3")->show();
    else
        showFailures(report, kCompanyDeletionTitle);
    endCompanyDeletion();
}

void Form12::endCompanyDeletion() {
    press("Command8");
    press("Command12");
    control<QListWidget>("List2")->clear();
}

void Form12::copyToNewCode() {
    const auto company = codeIn("Text1", "会社コード", kCopyTitle);
    if (!company) return;
    const auto from = codeIn("Text4", "個人コード", kCopyTitle);
    if (!from) return;
    const auto to = codeIn("Text5", "新しい個人コード", kCopyTitle);
    if (!to) return;
    const PersonCopy copy{workingYear().toStdString(), *company, *from, *to};
    try {
        if (checkPersonCopy(copy) &&
            dialogs().messageBox({}, "書き換えますか", MessageIcon::Question,
                                 MessageButtons::OkCancel) != MessageAnswer::Ok)
            return;
        copyPerson(copy);
        dialogs().beep();
    } catch (const std::runtime_error& error) {
        showRefusal(error, kCopyTitle);
    }
}

}  // namespace nencho
