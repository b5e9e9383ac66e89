// The drive lists and the backup of a company to a drive and its restore.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QShowEvent>

#include "common/failure.h"
#include "platform/drive_map.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/dialogs.h"
#include "platform/volumes.h"
#include "records/company_file.h"
#include "records/ui/form12.h"
#include "records/ui/form12_controls.h"

namespace nencho {

namespace {

const QString kFullWidthSpace = QStringLiteral("\u3000");

struct TransferControls {
    const char* drive;
    const char* bar;
    QString title;
    QString otherDrive;  // what to do when the chosen drive is the program's own
};

TransferControls controlsOf(TransferDirection direction) {
    if (direction == TransferDirection::Backup)
        return {form12::kBackupDriveList, form12::kBackupProgressBar, "ドライブへのリカバリー",
                "リカバリー先には別のドライブを選択してください。"};
    return {form12::kRestoreDriveList, form12::kRestoreProgressBar, "ドライブよりリストア",
            "リストア元には別のドライブを選択してください。"};
}

}  // namespace

void Form12::buildBackupControls() {
    addText(form12::kBackupCompanyNameBox, 3960, 2160, 3015, 375)->setText(kFullWidthSpace);
    showsUpTo(controlWidget(form12::kBackupCompanyNameBox), fullWidthText(kCompanyNameLength));
    captionButton(addButton("Command15", "を", 6960, 2160, 375, 375));
    addComboDrive(form12::kBackupDriveList, 7320, 2160, 2295, 360);
    addLabel("Label6", "ドライブ名の選択", 7560, 1920, 1815, 255);
    addButton("Command14", "ドライブへのリカバリーを実行する", 3960, 2520, 5655, 375,
              [this] { runTransfer(TransferDirection::Backup); });
    addProgressBar(form12::kBackupProgressBar, 3960, 2880, 5655, 255);
    addLabel("Label4", "※リカバリーの注意※", 3960, 3240, 1815, 255)->setStyleSheet("color: blue;");
    addLabel("Label5", "リカバリーは年末調整を実行したファイルしかリカバリーされません", 4200, 3480,
             5415, 255)
        ->setStyleSheet("color: blue;");
    addLabel("Label7", "ドライブ名の選択", 7560, 3840, 1815, 255);
    addText(form12::kRestoreCompanyNameBox, 3960, 4080, 3015, 375)->setText(kFullWidthSpace);
    showsUpTo(controlWidget(form12::kRestoreCompanyNameBox), fullWidthText(kCompanyNameLength));
    captionButton(addButton("Command7", "を", 6960, 4080, 375, 375));
    addComboDrive(form12::kRestoreDriveList, 7320, 4080, 2295, 360);
    addButton("Command16", "ドライブより、リストアする", 3960, 4440, 5655, 375,
              [this] { runTransfer(TransferDirection::Restore); });
    addProgressBar(form12::kRestoreProgressBar, 3960, 4800, 5655, 255);
}

void Form12::addComboDrive(const QString& name, int left, int top, int width, int height) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                      twipsToPixels(height));
}

void Form12::addProgressBar(const QString& name, int left, int top, int width, int height) {
    auto* bar = new QProgressBar(this);
    bar->setObjectName(name);
    bar->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                     twipsToPixels(height));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->hide();
}

void Form12::showEvent(QShowEvent* event) {
    WorkScreen::showEvent(event);
    // The lists are filled when the screen is opened, not when it is created at start-up, so
    // that a company registered or a stick put in since is offered. A failure is told and the
    // screen stays open.
    runHandlerGuarded(windowTitle(), [this] { refreshDriveLists(); });
    runHandlerGuarded(windowTitle(), [this] { press(form12::kCompanyListButton); });
}

void Form12::refreshDriveLists() {
    const std::vector<std::string> entries =
        mapVolumeDrives(DriveMap::instance(), mountedVolumes(volumeRoots()));
    for (const char* name : {form12::kBackupDriveList, form12::kRestoreDriveList}) {
        auto* list = control<QComboBox>(name);
        const QString chosen = list->currentText();
        list->clear();
        for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
        // Nothing is chosen for the user: the first entry is the program's own drive.
        list->setCurrentIndex(list->findText(chosen));
    }
}

void Form12::runTransfer(TransferDirection direction) {
    const TransferControls controls = controlsOf(direction);
    const auto company = codeIn(form12::kCompanyCodeBox, "会社コード", controls.title);
    if (!company) return;
    const QString drive = control<QComboBox>(controls.drive)->currentText();
    if (drive.isEmpty()) {
        showMessage("ドライブ名を選択してください。", controls.title, MessageIcon::Exclamation);
        return;
    }
    if (isProgramDataDrive(drive.toStdString())) {
        showMessage(drive + " はこのプログラムのデータがあるドライブです。\n" + controls.otherDrive,
                    controls.title, MessageIcon::Exclamation);
        return;
    }
    auto* bar = control<QProgressBar>(controls.bar);
    const TransferRequest request{direction, workingYear().toStdString(), *company,
                                  drive.toStdString()};

    // The screen turns red while a run holds it.
    QPalette running = normalPalette_;
    running.setColor(QPalette::Window, QColor(255, 0, 0));
    setAutoFillBackground(true);
    setPalette(running);
    bar->show();
    QString outcome;
    bool complete = true;
    try {
        const TransferResult result = transferCompany(request, [bar](int percent) {
            bar->setValue(percent);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        outcome = QString::fromStdString(describeTransfer(result));
    } catch (const Failure& failure) {
        outcome = QString::fromStdString(failure.what());
        complete = false;
    }
    bar->setValue(0);
    setPalette(normalPalette_);

    if (complete) dialogs().beep();
    showMessage(outcome, controls.title,
                complete ? MessageIcon::Information : MessageIcon::Exclamation);
}

}  // namespace nencho
