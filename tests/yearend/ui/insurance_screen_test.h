#pragma once
// The insurance screen holding a year, company and person, as the main menu leaves it.
#include <QString>
#include <string>

#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {

inline std::string yearFile(int company, int person, YearFileKind kind, const char* year = "H17") {
    return *yearFilePath(year, *personKey(company, person), kind);
}

class YearEndScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ensureDataTree("H17");
    }

    // Gives the screen the year and codes and presses its year button, clear and load.
    static void takeUp(const QString& form, const char* clear, const char* load, int company,
                       int person, const QString& year = "H17") {
        Screen& screen = screens::touch(form);
        screen.setTextOf("Text85", year);
        screen.setTextOf("Text161", QString::number(company));
        screen.setTextOf("Text162", QString::number(person));
        screen.press("Command36");
        screen.press(clear);
        screen.press(load);
    }

    static QString boxName(int number) { return QStringLiteral("Text%1").arg(number); }
};

}  // namespace nencho::test
