#include "app/ui/application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

#include "app/ui/screen_catalog.h"
#include "platform/drive_map.h"
#include "platform/ui/qt_printer_page.h"
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
    // The printed forms name the Windows Mincho face; IPAMincho has the same metrics.
    installPrintFontSubstitutions();
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
    screens::show("Form1");
}

}  // namespace nencho
