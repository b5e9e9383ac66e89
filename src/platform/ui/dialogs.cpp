#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/message_box.h"

namespace nencho {

namespace {

std::unique_ptr<DialogHost>& hostSlot() {
    static std::unique_ptr<DialogHost> host;
    return host;
}

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

DialogHost& dialogs() {
    auto& host = hostSlot();
    if (!host) host = std::make_unique<DesktopDialogHost>();
    // What the user is told of, or asked about, stands on the disk first. Where it cannot be
    // made to, the user reads that first; work of several files under way tells it at its end.
    try {
        syncPendingFolders();
    } catch (const RecordError& error) {
        if (!refusedChangesWatched())
            host->messageBox(QString::fromUtf8(error.what()), {}, MessageIcon::Exclamation,
                             MessageButtons::Ok);
    }
    return *host;
}

void setDialogHost(std::unique_ptr<DialogHost> host) {
    hostSlot() = std::move(host);
}

void showMessage(const QString& prompt, const QString& title, MessageIcon icon) {
    dialogs().messageBox(prompt, title, icon, MessageButtons::Ok);
}

bool confirm(const QString& prompt, const QString& title, MessageIcon icon) {
    return dialogs().messageBox(prompt, title, icon, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

MessageAnswer DesktopDialogHost::messageBox(const QString& prompt, const QString& title,
                                            MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(
        toQt(icon), title, prompt,
        buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel,
        QApplication::activeWindow());
    fitTitle(box);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<QString> DesktopDialogHost::inputBox(const QString& prompt, const QString& title,
                                                   const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

void DesktopDialogHost::beep() {
    QApplication::beep();
}

void DesktopDialogHost::sendTab() {
    sendTabToFocusedWidget();
}

void sendTabToFocusedWidget() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(focused, &press);
}

}  // namespace nencho
