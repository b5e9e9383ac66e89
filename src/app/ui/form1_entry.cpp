// The main menu's buttons that open the work screens, the year-end replay and the links.

#include "app/link_addresses.h"
#include "app/selection.h"
#include "app/ui/form1.h"
#include "app/ui/form19_controls.h"
#include "app/ui/form1_controls.h"
#include "common/amount.h"
#include "common/failure.h"
#include "common/keys.h"
#include "ledger/ui/form2_controls.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/links.h"
#include "platform/ui/screens.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form11_controls.h"
#include "records/ui/form12_controls.h"
#include "records/ui/form6_controls.h"
#include "summary/ui/form13_controls.h"
#include "yearend/ui/form16_controls.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

void Form1::connectMenuActions() {
    onPress(form1::kLedgerButton, [this] { openLedger(); });
    onPress(form1::kInsuranceButton, [this] {
        openScreen(form4::kForm, {form4::kYearButton, form4::kClearButton, form4::kLoadButton,
                                  form4::kLedgerInsuranceButton});
    });
    onPress(form1::kDependantsButton, [this] {
        openScreen(form5::kForm, {form5::kYearButton, form5::kClearButton, form5::kLoadButton,
                                  form5::kOwnConditionsButton});
    });
    onPress(form1::kSpouseHousingButton, [this] {
        openScreen(form16::kForm, {form16::kYearButton, form16::kClearButton, form16::kLoadButton});
    });
    onPress(form1::kYearEndButton, [this] { openYearEnd(); });
    onPress(form1::kPrintButton, [this] { openPrintScreen(); });
    onPress(form1::kSummaryButton, [this] {
        openScreen(form13::kForm, {form13::kYearButton, form13::kSumButton});
    });
    onPress(form1::kCompanyScreenButton, [this] {
        openScreen(form11::kForm, {form11::kYearButton, form11::kClearButton});
    });
    onPress(form1::kPersonScreenButton, [this] {
        openScreen(form6::kForm,
                   {form6::kYearButton, form6::kClearButton, form6::kStatusClearButton});
    });
    onPress(form1::kDataMaintenanceButton, [this] { openDataMaintenance(); });
    // Unlike the other openings, the printer window is opened without pressing ファイル閉鎖.
    onPress(form1::kPrinterButton, [] { screens::open(form19::kForm); });
    onPress(form1::kHomePageButton, [this] { openLink(kHomePageAddress); });
    onPress(form1::kMailButton, [this] { openLink(mailLinkTarget(kMailAddress)); });
    onPress(form1::kSupportButton, [this] { openLink(kSupportForumAddress); });
}

// Presses the main window's ファイル閉鎖, then the screen's year, clear and load buttons in
// order, and opens the screen beside the main window.
void Form1::openScreen(const char* form, std::initializer_list<const char*> buttons) {
    press(form1::kCloseFilesButton);
    for (const char* button : buttons) screens::press(form, button);
    screens::open(form);
}

void Form1::openLedger() {
    try {
        openScreen(form2::kForm,
                   {form2::kYearButton, form2::kDisplayClearButton, form2::kLoadButton});
    } catch (const Failure& error) {
        dialogs().beep();
        showMessage(QString::fromUtf8(error.what()), "源泉徴収簿", MessageIcon::Exclamation);
    }
}

void Form1::openPrintScreen() {
    try {
        openScreen(form7::kForm, {form7::kClearButton, form7::kYearButton, form7::kLoadButton,
                                  form7::kDisplayButton, form7::kNotesButton});
    } catch (const Failure& error) {
        showMessage(QString::fromUtf8(error.what()), "印刷", MessageIcon::Exclamation);
    }
}

void Form1::openDataMaintenance() {
    press(form1::kCloseFilesButton);
    screens::setControlVisible(form12::kForm, form12::kDeletionNotice, false);
    for (const char* box :
         {form12::kCompanyCodeBox, form12::kCompanyNameBox, form12::kPersonNameBox,
          form12::kPersonCodeBox, form12::kBackupCompanyNameBox, form12::kRestoreCompanyNameBox})
        screens::write(form12::kForm, box, {});
    screens::press(form12::kForm, form12::kYearButton);
    screens::open(form12::kForm);
}

// The year-end screen works on the person of the last person load or step, and the stored
// decision replayed on it is that same person's: the boxes may have been typed over since.
void Form1::openYearEnd() {
    press(form1::kCloseFilesButton);
    const std::optional<PersonChoice> choice = loadedPerson_;
    screens::write(form3::kForm, form3::kCompanyBox,
                   choice ? QString::fromStdString(decimal(choice->company)) : QString());
    screens::write(form3::kForm, form3::kPersonBox,
                   choice ? QString::fromStdString(decimal(choice->person)) : QString());
    screens::press(form3::kForm, form3::kClearButton);
    screens::press(form3::kForm, form3::kLoadButton);
    try {
        currentPersonCode_ = readPersonCodeBox(textOf(form1::kPersonBox).toStdString());
        currentCompanyCode_ = readCompanyCodeBox(textOf(form1::kCompanyBox).toStdString());
    } catch (const RecordError&) {
        // The copies keep what they were; the replay does not depend on them.
    }
    // The sheet makes the person's stored decision again from the current records.
    if (choice) screens::press(form3::kForm, form3::kReplayStoredButton);
    screens::open(form3::kForm);
}

void Form1::openLink(const std::string& target) {
    const QString address = QString::fromStdString(target);
    if (!linkOpener().open(address))
        showMessage("リンクを開けませんでした。\n" + address, "インターネット接続",
                    MessageIcon::Exclamation);
}

}  // namespace nencho
