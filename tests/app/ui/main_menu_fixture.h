#pragma once
// The main window with a data folder of fixture records: companies, persons and year files
// written as the registrations would, and helpers to drive the window's lists.
#include <QListWidget>
#include <QStringList>
#include <optional>
#include <string>

#include "app/ui/form1.h"
#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "support/screen_test.h"

namespace nencho::test {

class MainMenuTest : public ScreenTest {
  protected:
    Form1& menu() { return static_cast<Form1&>(screens::touch("Form1")); }
    // The clerk's click on one of the window's buttons; the window is shown as at start-up
    // before the first click, and must still be shown for each later one.
    void click(const char* button) {
        if (!menuShown_) menu().show();
        menuShown_ = true;
        test::click("Form1", button);
    }
    bool menuShown_ = false;

    // A company record's first ten lines (and a few more); the stored code may differ.
    static void writeCompany(int code, const std::string& name, std::optional<int> stored = {}) {
        writeLines(companyFilePath(code),
                   {decimal(stored.value_or(code)), "0", "13", "1", "1", "13", "12", "31",
                    "\"カイシャ\"", "\"" + name + "\"", "\"東京都\"", "\"予備1\""});
    }

    // A person record through the birth date; the stored code may differ from the probed one.
    static void writePerson(int company, int person, const std::string& name,
                            std::optional<int> stored = {}) {
        writeLines(personFilePath(*personKey(company, person)),
                   {decimal(stored.value_or(person)), "\"ヨミ\"", "\"" + name + "\"", "\"東京都\"",
                    "\"昭和\"", "40", "1", "2", "\"\"", "\"予備2\""});
    }

    static void writeYearFile(int company, int person, YearFileKind kind,
                              const std::vector<std::string>& lines) {
        writeLines(*yearFilePath("H17", *personKey(company, person), kind), lines);
    }

    QListWidget* list(const char* name) { return menu().control<QListWidget>(name); }

    QStringList rows(const char* name) {
        QStringList result;
        for (int i = 0; i < list(name)->count(); ++i) result << list(name)->item(i)->text();
        return result;
    }

    // Chooses a row with a click on it.
    void choose(const char* name, int row) { clickRow(list(name), row); }

    void typeCodes(const QString& company, const QString& person) {
        menu().setTextOf("Text161", company);
        menu().setTextOf("Text162", person);
    }

    bool visible(const char* form) { return screens::touch(form).isVisible(); }

    // The writes into one control of other screens, as "Form.Control=text".
    // Writes into a control of any screen, or of one screen only.
    std::vector<QString> writesInto(const QString& control, const QString& form = {}) const {
        std::vector<QString> result;
        for (const ScreenEvent& event : events)
            if (event.kind == ScreenEvent::Kind::Write && event.control == control &&
                (form.isEmpty() || event.form == form))
                result.push_back(event.form + "." + event.control + "=" + event.text);
        return result;
    }
};

}  // namespace nencho::test
