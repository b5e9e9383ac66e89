#include "app/ui/application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

#include "app/ui/form1_controls.h"
#include "app/ui/screen_catalog.h"
#include "app/ui/startup_steps.h"
#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/recovery.h"
#include "platform/run_lock.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/qt_printer_page.h"
#include "platform/ui/screens.h"
#include "platform/volumes.h"
#include "printing/ui/page_image_renderer.h"

namespace nencho {

std::filesystem::path defaultDriveC() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (dataHome && *dataHome) {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && *home ? home : ".") / ".local" / "share";
    }
    return base / "nencho" / "c";
}

void setUpFonts(QApplication& app) {
    // The printed forms name the face "MS 明朝"; IPAMincho has the same metrics.
    installPrintFontSubstitutions();
    QFont font("IPAPGothic");
    font.setPointSize(10);
    app.setFont(font);
}

namespace {

void setUpTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

}  // namespace

void recoverAtStart(std::filesystem::file_time_type runStart) {
    const RecoveryReport report = recoverUnfinishedWork(runStart);
    if (report.empty()) return;
    showMessage(QString::fromStdString(recoveryMessage(report)), "前回の作業の片付け",
                report.problems.empty() ? MessageIcon::Information : MessageIcon::Exclamation);
}

bool startProgram(QApplication& app) {
    const auto runStart = std::filesystem::file_time_type::clock::now();
    setUpFonts(app);
    setUpTranslations(app);
    try {
        createHostFolders(defaultDriveC());
    } catch (const RecordError&) {
        // The main menu's start-up reports the data folders it cannot make.
    }
    // Two copies on one data folder would each save over what the other saved.
    if (holdDataFolder(defaultDriveC()) == DataFolderHold::HeldByAnotherCopy) {
        showMessage(kAlreadyRunning, "給与システム", MessageIcon::Information);
        return false;
    }
    registerFormPageImages();
    DriveMap::instance().setDrive('c', defaultDriveC());
    setVolumeRoots(standardVolumeRoots(currentUserName()));
    registerScreens();
    recoverAtStart(runStart);
    app.setQuitOnLastWindowClosed(false);
    // A failure of the main window's start-up sequence is shown; the window opens all the same,
    // so that the program can still be used and ended.
    runGuarded("給与システム", [] { screens::touch(form1::kForm); });
    screens::show(form1::kForm);
    return true;
}

int runProgram(QApplication& app) {
    if (!startProgram(app)) return 0;
    scheduleStartupSteps();
    const int status = app.exec();
    // The screens are Qt widgets: they must go while the application object lives.
    ScreenRegistry::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    releaseDataFolder();
    return status;
}

}  // namespace nencho
