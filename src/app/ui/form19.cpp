#include "app/ui/form19.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "app/ui/form19_controls.h"
#include "app/ui/form1_controls.h"
#include "platform/printer_page.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printers.h"
#include "platform/ui/screens.h"

namespace nencho {

namespace {
const char* const kTitle = "プリンターの変更";
}

Form19::Form19() : Screen(form19::kForm) {
    setWindowTitle(form19::kForm);
    setDesignSize(6000, 4200);
    addLabel("Label1", "プリンタ：", 240, 240, 1200, 300);
    addList(form19::kPrinterList, 240, 600, 5400, 1800);
    addButton(form19::kSetDefaultButton, "設  定", 240, 2520, 1800, 420,
              [this] { setChosenPrinterAsDefault(); });
    addButton("Command2", "閉じる", 3840, 2520, 1800, 420, [this] { returnToMainWindow(); });
    addLabel("Label2",
             "（注意事項）　　ここで変更したプリンターはパソコンの標準設定をも変更してしまいます。",
             240, 3060, 5400, 720)
        ->setWordWrap(true);
}

void Form19::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    // Not when the window system shows it again (the clerk restoring it from the task bar).
    if (listed_ || event->spontaneous()) return;
    runHandlerGuarded(kTitle, [this] { listPrinters(); });
}

void Form19::listPrinters() {
    auto* list = control<QListWidget>(form19::kPrinterList);
    try {
        list->addItems(printerSystem().printerNames());
        listed_ = true;
    } catch (const PrinterFailure& error) {
        showMessage(QString::fromUtf8(error.what()), kTitle, MessageIcon::Exclamation);
    }
    if (list->count() > 0) list->setCurrentRow(0);
    // With no printer listed there is nothing to make the default.
    control<QPushButton>(form19::kSetDefaultButton)->setEnabled(list->count() > 0);
}

void Form19::setChosenPrinterAsDefault() {
    const QListWidgetItem* chosen = control<QListWidget>(form19::kPrinterList)->currentItem();
    if (!chosen) {
        showMessage("プリンターが選ばれていません。", kTitle, MessageIcon::Exclamation);
        return;
    }
    try {
        printerSystem().setDefaultPrinter(chosen->text());
    } catch (const PrinterFailure& error) {
        // The window stays open, so that another printer can be chosen.
        showMessage(QString::fromUtf8(error.what()), kTitle, MessageIcon::Critical);
        return;
    }
    returnToMainWindow();
}

void Form19::returnToMainWindow() {
    screens::show(form1::kForm);
    screens::hide(form19::kForm);
}

}  // namespace nencho
