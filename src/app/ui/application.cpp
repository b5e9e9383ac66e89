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
#include "platform/ui/action_guard.h"
#include "platform/ui/screens.h"
#include "platform/volumes.h"

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

namespace {

void setUpFonts(QApplication& app) {
    // The printed forms name the face "MS 明朝"; IPAMincho has the same metrics.
    for (const char* name : {"MS 明朝", "ＭＳ 明朝", "MS Mincho"})
        QFont::insertSubstitutions(name, {"IPAMincho"});
    QFont font("IPAPGothic");
    font.setPointSize(10);
    app.setFont(font);
}

void setUpTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

}  // namespace

void startProgram(QApplication& app) {
    setUpFonts(app);
    setUpTranslations(app);
    std::error_code ec;
    std::filesystem::create_directories(defaultDriveC(), ec);
    DriveMap::instance().setDrive('c', defaultDriveC());
    setVolumeRoots(standardVolumeRoots(currentUserName()));
    registerScreens();
    app.setQuitOnLastWindowClosed(false);
    // A failure of the main window's start-up sequence is shown; the window opens all the same,
    // so that the program can still be used and ended.
    runGuarded("給与システム", [] { screens::touch(form1::kForm); });
    screens::show(form1::kForm);
}

int runProgram(QApplication& app) {
    startProgram(app);
    scheduleStartupSteps();
    const int status = app.exec();
    // The screens are Qt widgets: they must go while the application object lives.
    ScreenRegistry::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

}  // namespace nencho
