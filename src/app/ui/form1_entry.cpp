// The main menu's buttons that open the work screens, the year-end replay and the links.
#include <exception>

#include "app/link_addresses.h"
#include "app/selection.h"
#include "app/ui/form1.h"
#include "common/amount.h"
#include "common/keys.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/links.h"
#include "platform/ui/screens.h"
#include "yearend/adjustment_result_file.h"
#include "yearend/ui/form3_controls.h"

namespace nencho {

namespace {

const QString kYearEndTitle = QStringLiteral("年末調整");

}  // namespace

void Form1::connectMenuActions() {
    onPress("Command1", [this] { openLedger(); });
    onPress("Command3", [this] {
        openScreen("Form4", {"Command36", "Command3", "Command2", "Command5"});
    });
    onPress("Command4", [this] {
        openScreen("Form5", {"Command36", "Command10", "Command9", "Command22"});
    });
    onPress("Command21", [this] { openScreen("Form16", {"Command36", "Command10", "Command5"}); });
    onPress("Command2", [this] { openYearEnd(); });
    onPress("Command6", [this] { openPrintScreen(); });
    onPress("Command20", [this] { openScreen("Form13", {"Command36", "Command5"}); });
    onPress("Command5", [this] { openScreen("Form11", {"Command36", "Command9"}); });
    onPress("Command13", [this] { openScreen("Form6", {"Command36", "Command6", "Command2"}); });
    onPress("Command16", [this] { openDataMaintenance(); });
    // The printer window leaves the shared file handles as they are.
    onPress("Command30", [] { screens::show("Form19"); });
    onPress("Command26", [this] { openLink(kHomePageAddress); });
    onPress("Command27", [this] { openLink(mailLinkTarget(kMailAddress)); });
    onPress("Command28", [this] { openLink(kSupportForumAddress); });
}

// Closes the file handles, presses the screen's year, clear and load buttons in order and
// shows the screen beside the main window.
void Form1::openScreen(const char* form, std::initializer_list<const char*> buttons) {
    press("Command7");
    for (const char* button : buttons) screens::press(form, button);
    screens::show(form);
}

void Form1::openLedger() {
    try {
        openScreen("Form2", {"Command36", "Command3", "Command2"});
    } catch (const std::exception& error) {
        dialogs().beep();
        showMessage(QString::fromUtf8(error.what()), "源泉徴収簿", MessageIcon::Exclamation);
    }
}

void Form1::openPrintScreen() {
    try {
        openScreen("Form7", {"Command7", "Command36", "Command5", "Command3", "Command8"});
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()), "印刷", MessageIcon::Exclamation);
    }
}

void Form1::openDataMaintenance() {
    press("Command7");
    screens::setControlVisible("Form12", "Label3", false);
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text7", "Text6"})
        screens::write("Form12", box, {});
    screens::press("Form12", "Command36");
    screens::show("Form12");
}

// The year-end screen works on the person of the last person load or step, and the stored
// decision replayed on it is that same person's: the boxes may have been typed over since.
void Form1::openYearEnd() {
    press("Command7");
    const std::optional<PersonChoice> choice = loadedPerson_;
    screens::write("Form3", "Text161",
                   choice ? QString::fromStdString(decimal(choice->company)) : QString());
    screens::write("Form3", "Text162",
                   choice ? QString::fromStdString(decimal(choice->person)) : QString());
    screens::press("Form3", "Command6");
    screens::press("Form3", "Command10");
    try {
        currentPersonCode_ = readPersonCodeBox(textOf("Text162").toStdString());
        currentCompanyCode_ = readCompanyCodeBox(textOf("Text161").toStdString());
    } catch (const RecordError&) {
        // The copies keep what they were; the replay does not depend on them.
    }
    if (choice) replayAdjustment(*choice);
    screens::show("Form3");
}

void Form1::replayAdjustment(const PersonChoice& choice) {
    const auto key = personKey(choice.company, choice.person);
    if (!key) return;
    std::optional<AdjustmentResultRecord> stored;
    try {
        stored = AdjustmentResultFile::load(taxYearCode_, *key);
    } catch (const RecordError& error) {
        showMessage(QString::fromUtf8(error.what()), kYearEndTitle, MessageIcon::Exclamation);
        return;
    }
    const auto decision = stored ? stored->status() : std::nullopt;
    if (!decision) return;
    screens::write(form3::kForm, form3::kStatusBox,
                   QString::fromUtf8(adjustmentStatusText(*decision)));
    screens::press(form3::kForm, form3::kClearButton);
    screens::press(form3::kForm, form3::kAdjustButton);
    if (*decision == AdjustmentStatus::NotAdjusted) storeNotAdjustedAgain(*key, *stored);
}

// After the replayed adjustment the decision not to adjust is stored again. Whatever write
// fails on the way, the person stays recorded as not adjusted: an adjustment that stored
// nothing (the sheet said why) is not followed by a second write, and a record left saying
// "adjusted" is put back as it was.
void Form1::storeNotAdjustedAgain(std::int32_t key, const AdjustmentResultRecord& before) {
    const auto storedNotAdjusted = [&] {
        try {
            const auto now = AdjustmentResultFile::load(taxYearCode_, key);
            return now && now->status() == AdjustmentStatus::NotAdjusted;
        } catch (const RecordError&) {
            return false;
        }
    };
    if (storedNotAdjusted()) return;
    screens::press(form3::kForm, form3::kNotAdjustButton);
    if (storedNotAdjusted()) return;
    try {
        AdjustmentResultFile::save(taxYearCode_, key, before);
    } catch (const RecordError& error) {
        showMessage(
            "「年調しない」の記録を元に戻せませんでした。\n" + QString::fromUtf8(error.what()),
            kYearEndTitle, MessageIcon::Exclamation);
    }
}

void Form1::openLink(const std::string& target) {
    const QString address = QString::fromStdString(target);
    if (!linkOpener().open(address))
        showMessage("リンクを開けませんでした。\n" + address, "インターネット接続",
                    MessageIcon::Exclamation);
}

}  // namespace nencho
