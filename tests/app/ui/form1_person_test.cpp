// Loading a person and stepping through persons from the main window.
#include "main_menu_fixture.h"
#include "platform/ui/work_screen.h"
#include "yearend/insurance_file.h"
#include "yearend/spouse_housing_file.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

class PersonSwitch : public MainMenuTest {
  protected:
    void SetUp() override {
        MainMenuTest::SetUp();
        writeCompany(1, "一社");
        writeCompany(2, "二社");
        writePerson(1, 1, "甲");
        writePerson(1, 2, "乙");
        writePerson(1, 4, "丁");
        writePerson(2, 1, "二社の甲");
        menu();
    }

    // Loads company 1's person of the code as a click on the person list does.
    void loadPerson(const QString& person) {
        typeCodes("1", person);
        click("Command11");
    }

    // The presses of the insurance, dependants, ledger and print screens of one switch.
    static std::vector<QString> switchPresses(std::vector<QString> recomputations) {
        std::vector<QString> presses{"Form4.Command36",  "Form4.Command3",   "Form4.Command2",
                                     "Form5.Command36",  "Form5.Command10",  "Form5.Command9",
                                     "Form16.Command36", "Form16.Command10", "Form16.Command5",
                                     "Form2.Command36",  "Form2.Command3",   "Form2.Command2",
                                     "Form2.Command2"};
        presses.insert(presses.end(), recomputations.begin(), recomputations.end());
        presses.push_back("Form7.Command3");
        return presses;
    }
};

TEST_F(PersonSwitch, ChoosingAPersonRowLoadsThePersonIntoTheWorkScreens) {
    choose("List1", 0);
    click("Command25");
    clearEvents();
    choose("List2", 2);  // person 4, past the gap

    EXPECT_EQ(menu().textOf("Text162"), "4");
    EXPECT_EQ(menu().textOf("Command11"), "丁");
    EXPECT_EQ(menu().currentPersonCode(), 4);
    EXPECT_EQ(menu().currentCompanyCode(), 1);
    EXPECT_EQ(eventsOf(Kind::Press), switchPresses({}));
    EXPECT_EQ(writesInto("Text162"),
              (std::vector<QString>{"Form2.Text162=4", "Form3.Text162=4", "Form4.Text162=4",
                                    "Form5.Text162=4", "Form7.Text162=4", "Form13.Text162=4",
                                    "Form16.Text162=4"}));
    EXPECT_EQ(writesInto("Text2", "Form6"), std::vector<QString>{"Form6.Text2=4"});
    EXPECT_TRUE(visible("Form2"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(PersonSwitch, ThePersonLoadLoadsTheCompanyOfTheBoxFirst) {
    typeCodes("2", "1");
    click("Command11");
    EXPECT_EQ(menu().textOf("Command12"), "二社");
    EXPECT_EQ(menu().textOf("Command11"), "二社の甲");
    EXPECT_EQ(screens::read("Form2", "Text161"), "2");
    EXPECT_EQ(screens::read("Form4", "Text161"), "2");
    EXPECT_EQ(screens::read("Form5", "Text162"), "1");
}

TEST_F(PersonSwitch, APersonThatCannotBeLoadedIsReportedAndChangesNoScreen) {
    loadPerson("1");
    // Each says what is wrong in the clerk's words, naming the box or the code.
    struct Case {
        const char* company;
        const char* person;
        const char* prompt;
    };
    const Case cases[] = {
        {"1", "", "個人コードを入力してください"},
        {"1", "abc", "個人コードには数字を入力してください"},
        {"1", "3", "個人コード 3 の人は登録されていません"},
        {"1", "40000", "個人コードは 1 から 99 までです。"},
        {"1", "0", "個人コードは 1 から 99 までです。"},
        {"", "2", "会社コードを入力してください"},
        {"x", "2", "会社コードには数字を入力してください"},
        {"9", "1", "会社コード 9 の会社は登録されていません"},
    };
    for (const auto& [company, person, prompt] : cases) {
        dialogs->messages.clear();
        clearEvents();
        typeCodes(company, person);
        click("Command11");
        ASSERT_EQ(dialogs->messages.size(), 1u) << company << "/" << person;
        EXPECT_EQ(dialogs->messages[0].prompt, prompt);
        EXPECT_EQ(dialogs->messages[0].title, "個人呼び出し");
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(events.empty()) << company << "/" << person;
        EXPECT_EQ(menu().textOf("Command11"), "甲");
        EXPECT_EQ(screens::read("Form2", "Text162"), "1");
    }
}

TEST_F(PersonSwitch, SteppingLoadsTheNextPersonAndRecomputesOnlyRecordsThePersonHas) {
    InsuranceFile::save("H17", 102, {});
    loadPerson("1");
    clearEvents();
    click("Command14");

    EXPECT_EQ(menu().textOf("Text162"), "2");
    EXPECT_EQ(menu().textOf("Command11"), "乙");
    // The step has no dependants record to rewrite for person 2.
    EXPECT_EQ(eventsOf(Kind::Press), switchPresses({"Form4.Command1"}));
    EXPECT_EQ(writesInto("Text162"),
              (std::vector<QString>{"Form2.Text162=2", "Form3.Text162=2", "Form4.Text162=2",
                                    "Form5.Text162=2", "Form7.Text162=2", "Form13.Text162=2",
                                    "Form16.Text162=2"}));
    EXPECT_EQ(writesInto("Text2", "Form6"), std::vector<QString>{"Form6.Text2=2"});
    EXPECT_EQ(writesInto("Text161"),
              (std::vector<QString>{"Form4.Text161=1", "Form5.Text161=1", "Form16.Text161=1"}));

    InsuranceFile::save("H17", 101, {});
    writeYearFile(1, 1, YearFileKind::Dependants, {"0"});
    clearEvents();
    click("Command23");  // the left column's previous
    EXPECT_EQ(menu().textOf("Command11"), "甲");
    EXPECT_EQ(eventsOf(Kind::Press), switchPresses({"Form4.Command1", "Form5.Command3"}));
}

TEST_F(PersonSwitch, SteppingOffTheFirstPersonOrOntoAGapOnlyShowsTheNewCode) {
    struct Case {
        const char* loaded;
        const char* from;
        const char* button;
        const char* shown;
    };
    for (const Case& c :
         {Case{"1", "1", "Command15", "0"}, Case{"2", "2", "Command24", "3"},
          Case{"4", "4", "Command14", "5"}, Case{"1", "", "Command14", ""},
          Case{"1", "32767", "Command14", "32767"}, Case{"1", "-32768", "Command23", "-32768"}}) {
        loadPerson(c.loaded);
        const QString caption = menu().textOf("Command11");
        menu().setTextOf("Text162", c.from);
        clearEvents();
        click(c.button);
        EXPECT_EQ(menu().textOf("Text162"), c.shown) << c.from << c.button;
        EXPECT_EQ(menu().textOf("Command11"), caption);
        EXPECT_TRUE(events.empty()) << c.from << c.button;
    }
    EXPECT_TRUE(dialogs->messages.empty());
    // From the gap, the next step reaches person 4.
    menu().setTextOf("Text162", "3");
    click("Command14");
    EXPECT_EQ(menu().textOf("Command11"), "丁");
}

TEST_F(PersonSwitch, SteppingUnderATypedCompanyLoadsThatCompanyFirst) {
    loadPerson("1");
    typeCodes("2", "0");
    clearEvents();
    click("Command14");
    EXPECT_EQ(menu().textOf("Command11"), "二社の甲");
    EXPECT_EQ(screens::read("Form2", "Text161"), "2");
    EXPECT_EQ(screens::read("Form7", "Text161"), "2");
    EXPECT_FALSE(eventsOf(Kind::Hide).empty());
}

// The spouse and housing screen follows every choice or step of a person like the other
// year-end screens, so its save stores what it shows under the code of the person it shows.
TEST_F(PersonSwitch, TheSpouseAndHousingScreenFollowsTheChosenAndSteppedPerson) {
    SpouseHousingRecord first;
    first.spouseName = "甲の配偶者";
    first.housingLoanCredit = 120'000;
    SpouseHousingFile::save("H17", 101, first);
    InsuranceRecord insurance;
    insurance.lifePolicies[0].insurer = "甲の生命";
    InsuranceFile::save("H17", 101, insurance);
    loadPerson("1");
    Screen& spouse = screens::touch("Form16");
    EXPECT_EQ(spouse.textOf("Text6"), "甲の配偶者");
    EXPECT_EQ(screens::read("Form4", "Text9"), "甲の生命");

    click("Command14");  // person 2 has no records
    EXPECT_EQ(spouse.textOf("Text161"), "1");
    EXPECT_EQ(spouse.textOf("Text162"), "2");
    EXPECT_EQ(static_cast<WorkScreen&>(spouse).workingYear(), "H17");
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        EXPECT_EQ(spouse.textOf(box), "") << box;
    EXPECT_EQ(screens::read("Form4", "Text9"), "");
    // The step stores nothing for a person without records.
    for (YearFileKind kind :
         {YearFileKind::Insurance, YearFileKind::Dependants, YearFileKind::SpouseHousing})
        EXPECT_FALSE(exists(*yearFilePath("H17", 102, kind))) << static_cast<int>(kind);

    spouse.setTextOf("Text6", "乙の配偶者");
    spouse.press("Command3");
    EXPECT_EQ(SpouseHousingFile::load("H17", 102)->spouseName, "乙の配偶者");
    EXPECT_EQ(SpouseHousingFile::load("H17", 101), first);
    EXPECT_TRUE(dialogs->messages.empty());
}

// The year-end sheet left open shows nothing of a person once another is chosen: the ledger's
// totals of the new person never stand beside the former person's deductions.
TEST_F(PersonSwitch, TheYearEndSheetShowsNothingOfTheFormerPersonAfterAChoice) {
    InsuranceRecord insurance;
    insurance.lifeInsuranceDeduction = 50'000;
    insurance.declaredSocialInsurance = 12'000;
    InsuranceFile::save("H17", 101, insurance);
    loadPerson("1");
    click("Command2");  // 年末調整
    Screen& sheet = screens::touch("Form3");
    ASSERT_EQ(sheet.textOf("Text32"), "50,000");

    loadPerson("2");  // person 2 has no records
    EXPECT_EQ(sheet.textOf("Text162"), "2");
    for (const char* box : {"Text32", "Text30"}) EXPECT_EQ(sheet.textOf(box), "") << box;
    EXPECT_TRUE(dialogs->messages.empty());
}

}  // namespace
}  // namespace nencho::test
