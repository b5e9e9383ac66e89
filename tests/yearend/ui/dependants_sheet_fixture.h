#pragma once
// The dependants sheet of company 1's person 2 in H17, with helpers to type into it, press its
// buttons and read its stored record.
#include <QLineEdit>
#include <QRadioButton>

#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "records/person_fixture.h"
#include "support/screen_test.h"
#include "yearend/dependants_file.h"
#include "yearend/ui/form5_controls.h"
#include "yearend/ui/form5_sheet.h"

namespace nencho::test {

class DependantsSheetTest : public ScreenTest {
  public:
    static constexpr int kCompany = 1;
    static constexpr int kPerson = 2;

    void SetUp() override {
        ScreenTest::SetUp();
        ensureDataTree("H17");
        ensureDataTree("H16");
        writePerson(kCompany, kPerson, "山田　太郎");
        takeUp(kCompany, kPerson);
        screens::show(form5::kForm);
    }

    Screen& sheet() { return screens::touch(form5::kForm); }
    QString text(const char* control) { return sheet().textOf(control); }
    void type(const char* box, const QString& value) { sheet().setTextOf(box, value); }
    // The main menu's presses, and the clerk's clicks.
    void press(const char* button) { screens::press(form5::kForm, button); }
    void click(const char* button) { test::click(form5::kForm, button); }
    bool optionOn(const char* option) { return sheet().control<QRadioButton>(option)->isChecked(); }

    // The year, company and person as the main menu gives them, and the year button.
    void takeUp(int company, int person, const QString& year = "H17") {
        screens::write(form5::kForm, form5::kYearBox, year);
        screens::write(form5::kForm, form5::kCompanyBox, QString::number(company));
        screens::write(form5::kForm, form5::kPersonBox, QString::number(person));
        press(form5::kYearButton);
    }

    // The main menu's 扶養控除等: year, clear, load, 表示.
    void openAsTheMenuDoes() {
        for (const char* button : {form5::kYearButton, form5::kClearButton, form5::kLoadButton,
                                   form5::kOwnConditionsButton})
            press(button);
    }

    // A person whose record holds one own condition (status 1 to 7).
    void writePersonWithCondition(int person, int status, const std::string& word) {
        writePerson(kCompany, person, "本人", {{9 + status, quoted(word)}});
    }

    static std::string recordPath(int person = kPerson, const std::string& year = "H17") {
        return *yearFilePath(year, *personKey(kCompany, person), YearFileKind::Dependants);
    }
    static bool stored(int person = kPerson) { return exists(recordPath(person)); }
    static DependantsRecord record(int person = kPerson, const std::string& year = "H17") {
        auto loaded = DependantsFile::load(year, *personKey(kCompany, person));
        EXPECT_TRUE(loaded.has_value());
        return loaded.value_or(DependantsRecord{});
    }
    static void storeRecord(const DependantsRecord& r, int person = kPerson,
                            const std::string& year = "H17") {
        DependantsFile::save(year, *personKey(kCompany, person), r);
    }
};

}  // namespace nencho::test
