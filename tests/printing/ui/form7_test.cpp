#include "printing/ui/form7.h"

#include <QLabel>
#include <QWidget>

#include "app/ui/form1_controls.h"
#include "batch/ui/form17_controls.h"
#include "platform/ui/screen.h"
#include "printing/print_fixture.h"
#include "printing/ui/form7_controls.h"
#include "printing/ui/page_image_renderer.h"
#include "support/recording_pages.h"
#include "support/screen_test.h"
#include "support/test_queues.h"

namespace nencho {
namespace {

using namespace form7;

class Form7Test : public test::ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        test::writeFixtureYear();
    }

    // As the main menu sets the screen up at start-up and opens it with 印刷.
    void openPrintScreen(const QString& company, const QString& person) {
        screens::write(kForm, kYearBox, "H17");
        screens::write(kForm, kEraYearBox, "17");
        screens::write(kForm, kCompanyBox, company);
        screens::write(kForm, kPersonBox, person);
        for (const char* button :
             {kClearButton, kYearButton, kLoadButton, kDisplayButton, kNotesButton})
            screens::press(kForm, button);
        screens::show(kForm);
    }

    QString shown(const char* control) const { return screens::read(kForm, control); }
    const PrintData& data() const { return static_cast<Form7&>(screens::touch(kForm)).printData(); }
    bool isVisible(const char* form) const {
        Screen* screen = ScreenRegistry::instance().existing(form);
        return screen && screen->isVisible();
    }

    struct Shown {
        const char* control;
        const char* text;
    };
    void expectShown(std::initializer_list<Shown> expected) const {
        for (const Shown& s : expected) EXPECT_EQ(shown(s.control), s.text) << s.control;
    }
};

TEST_F(Form7Test, ShowsThePersonsYearEndSummary) {
    openPrintScreen("1", "5");
    expectShown({{"Label31", "取締役"},
                 {kNameBox, "山田　太郎"},
                 {"Label50", "昭和 45年 3月 12日生"},
                 {"Label6", "役員報酬"},
                 {"Label7", "4,100,078"},
                 {"Label8", "2,810,000"},
                 {"Label9", "16,007"},
                 {"Label10", "30,007"},
                 {"Label15", "13,007"},
                 {"Label21", "512,000"},
                 {"Label30", "内 12,000"},
                 {"Label22", "11,007"},
                 {"Label23", "12,007"},
                 {"Label38", "還 付 額"},
                 {"Label32", "12,300"},
                 {"Label51", "年調定率控除額"},
                 {"Label52", "12,300  円"},
                 {"Label29", "寡婦"},
                 {"Label45", "外国人"},
                 {"Label41", "退　職"},
                 {"Label47", "乙欄"},
                 {"Label40", ""},
                 {"Label46", ""},
                 {"Label14", "有"},
                 {"Label28", "山田　花子"},
                 {"Label33", "山田　一郎"},
                 {"Label34", "山田　梅"},
                 {"Label35", ""},
                 {"Label16", "1"},
                 {"Label17", "1"},
                 {"Label18", "1"},
                 {"Label19", ""},
                 {"Label20", "1"},
                 {kHousingCreditLabel, "150,000"},
                 {kSpouseIncomeLabel, "480,000"},
                 {kPensionPremiumsLabel, "60,000"},
                 {kLongTermCasualtyLabel, "30,000"},
                 {"Label42", "前職 株式会社緑 300,000円"},
                 {"Label43", "住宅取得 平成16年"}});
    EXPECT_EQ(screens::touch(kForm).control<QLabel>("Label32")->styleSheet(), "");
    EXPECT_EQ(data().personName, "山田　太郎");
    EXPECT_EQ(data().spouseFlag, 1);
    EXPECT_EQ(data().otherDependantsCount, 1);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form7Test, AShortfallShowsOnRedAndEmptyAmountsShowEmpty) {
    AdjustmentResult result = test::fixtureAdjustment(5'000, 0);
    result[AdjustmentValue::MutualAidPremiums] = 0;
    test::writeFixtureYear(1, 5, result);
    openPrintScreen("1", "5");
    expectShown({{"Label38", "不 足 額"},
                 {"Label32", "5,000"},
                 {"Label51", ""},
                 {"Label52", ""},
                 {"Label30", "内 "},
                 {"Label21", "500,000"}});
    EXPECT_TRUE(
        screens::touch(kForm).control<QLabel>("Label32")->styleSheet().contains("255, 0, 0"));
}

TEST_F(Form7Test, APersonWithoutRecordsAfterOneWithShowsAndHoldsNothingOfTheFirst) {
    openPrintScreen("1", "5");
    test::click(kForm, kNextPersonButton);  // person 6 has no record at all

    EXPECT_EQ(shown(kPersonBox), "6");
    for (const char* control : {kNameBox,
                                "Label50",
                                "Label6",
                                "Label7",
                                "Label8",
                                "Label9",
                                "Label10",
                                "Label15",
                                "Label21",
                                "Label22",
                                "Label23",
                                "Label32",
                                "Label29",
                                "Label45",
                                "Label41",
                                "Label47",
                                "Label42",
                                "Label43",
                                "Label51",
                                "Label52",
                                "Label28",
                                "Label33",
                                "Label16",
                                "Label18",
                                "Label20",
                                kHousingCreditLabel,
                                kSpouseIncomeLabel,
                                kPensionPremiumsLabel,
                                kLongTermCasualtyLabel})
        EXPECT_EQ(shown(control), "") << control;
    expectShown(
        {{"Label31", "役職なし"}, {"Label38", "還 付 額"}, {"Label30", "内 "}, {"Label14", "無"}});
    EXPECT_EQ(data().personName, "");
    EXPECT_EQ(data().noteLines[1], "");
    EXPECT_EQ(data().printLedgerTable, LedgerSheet{});
    EXPECT_EQ(data().adjustmentResult, AdjustmentResult{});
    EXPECT_EQ(data().dependantTable[kSpouseRow][kDependantNameColumn], "");
    EXPECT_EQ(data().kindCounts[7], 0);
    EXPECT_EQ(data().spouseFlag, 0);
    EXPECT_EQ(data().lifePensionTexts[1], "");
    EXPECT_EQ(data().companyTexts[2], "株式会社青葉");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form7Test, SteppingLoadsTheNeighbourWithItsNotesAndHidesTheOtherScreens) {
    test::writeFixtureYear(1, 4);
    openPrintScreen("1", "5");
    screens::show(form1::kForm);
    screens::show("Form2");
    clearEvents();

    screens::press(kForm, kPreviousPersonButton);
    EXPECT_EQ(shown(kPersonBox), "4");
    EXPECT_EQ(data().personKey, 104);
    EXPECT_EQ(shown(kNameBox), "山田　太郎");
    EXPECT_EQ(shown("Label42"), "前職 株式会社緑 300,000円");
    EXPECT_FALSE(isVisible(form1::kForm));
    EXPECT_FALSE(isVisible("Form2"));
    EXPECT_TRUE(isVisible(kForm));
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(Form7Test, SteppingStaysWithinPersonCodesOneTo99) {
    struct Case {
        const char* person;
        const char* button;
    };
    for (const Case& c : {Case{"1", kPreviousPersonButton}, Case{"99", kNextPersonButton},
                          Case{"", kNextPersonButton}, Case{"abc", kPreviousPersonButton}}) {
        screens::write(kForm, kYearBox, "H17");
        screens::press(kForm, kYearButton);
        screens::write(kForm, kCompanyBox, "1");
        screens::write(kForm, kPersonBox, c.person);
        screens::show(kForm);
        clearEvents();
        const int beeps = dialogs->beeps;
        test::click(kForm, c.button);
        EXPECT_EQ(dialogs->beeps, beeps + 1) << c.person;
        EXPECT_EQ(shown(kPersonBox), c.person);
        EXPECT_EQ(eventsOf(ScreenEvent::Kind::Hide), std::vector<QString>{}) << c.person;
        EXPECT_EQ(data().personKey, 0) << c.person;
    }
}

TEST_F(Form7Test, TheBatchScreenTakesOverTheYearCompanyAndPerson) {
    openPrintScreen("1", "5");
    screens::write(kForm, kYearBox, "H14");  // the year box is copied again
    clearEvents();
    test::click(kForm, kBatchButton);
    EXPECT_EQ(screens::read(form17::kForm, form17::kYearBox), "H14");
    EXPECT_EQ(screens::read(form17::kForm, form17::kEraYearBox), "17");
    EXPECT_EQ(screens::read(form17::kForm, form17::kCompanyBox), "1");
    EXPECT_EQ(screens::read(form17::kForm, form17::kPersonBox), "5");
    EXPECT_EQ(pressesOn(form17::kForm),
              (std::vector<QString>{"Form17.Command36", "Form17.Command5"}));
    EXPECT_TRUE(isVisible(form17::kForm));
    EXPECT_TRUE(isVisible(kForm));

    // Without a person code the loaded person goes; without a company nothing goes.
    screens::write(kForm, kPersonBox, "");
    test::click(kForm, kBatchButton);
    EXPECT_EQ(screens::read(form17::kForm, form17::kPersonBox), "5");
    screens::write(kForm, kCompanyBox, "");
    clearEvents();
    test::click(kForm, kBatchButton);
    EXPECT_EQ(pressesOn(form17::kForm), std::vector<QString>{});
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(Form7Test, BackToTheMainMenuHandsThePersonOver) {
    openPrintScreen("1", "5");
    test::click(kForm, kNextPersonButton);
    clearEvents();
    test::click(kForm, kBackToMenuButton);
    EXPECT_EQ(screens::read(form1::kForm, form1::kPersonBox), "6");
    EXPECT_TRUE(isVisible(form1::kForm));
    EXPECT_FALSE(isVisible(kForm));
    EXPECT_EQ(pressesOn(form1::kForm), std::vector<QString>{"Form1.Command11"});
}

TEST_F(Form7Test, TheClearEmptiesTheSummaryAndTheNotes) {
    openPrintScreen("1", "5");
    screens::press(kForm, kClearButton);
    for (const char* control : {kNameBox, "Label50", "Label7", "Label29", "Label45", "Label32",
                                "Label31", "Label14", "Label42", "Label43"})
        EXPECT_EQ(shown(control), "") << control;
    EXPECT_EQ(data().noteLines[1], "");
    EXPECT_EQ(data().personName, "山田　太郎");  // the data stays for the printouts
}

TEST_F(Form7Test, EachPrintButtonPrintsOneDocument) {
    test::RecordedPrinting printing;
    openPrintScreen("1", "5");
    struct Case {
        const char* button;
        const char* document;
    };
    const Case cases[] = {{kLedgerPrintButton, "源泉徴収簿"},
                          {kDependantsPrintButton, "扶養控除等申告書"},
                          {kInsurancePrintButton, "保険控除 兼 配偶者特別控除申告書"},
                          {kStatementPrintButton, "源泉徴収票"},
                          {kStatementDataPrintButton, "源泉徴収票"},
                          {kStatementFormPrintButton, "源泉徴収票"}};
    for (const Case& c : cases) test::click(kForm, c.button);
    ASSERT_EQ(printing.documents().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(printing.documents()[i].name, cases[i].document);
        EXPECT_EQ(printing.documents()[i].page->operations().back().kind,
                  PrintOperation::Kind::EndDocument);
    }
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(data().taxEraYear, "17");
}

TEST_F(Form7Test, TheShiftBoxesStartAtZeroAndABadOnePrintsNothing) {
    test::RecordedPrinting printing;
    openPrintScreen("1", "5");
    EXPECT_EQ(shown(kShiftRightBox), "0");
    EXPECT_EQ(shown(kShiftDownBox), "0");
    screens::write(kForm, kShiftRightBox, "3");
    screens::write(kForm, kShiftDownBox, "2.5");
    test::click(kForm, kStatementDataPrintButton);
    EXPECT_EQ(data().statementDataShiftRight, 3);
    EXPECT_EQ(data().statementDataShiftDown, 2);

    screens::write(kForm, kShiftDownBox, "下へ");
    test::click(kForm, kStatementPrintButton);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("下方へ"));
    EXPECT_EQ(dialogs->messages[0].title, "源泉徴収票の印刷");
    EXPECT_EQ(printing.documents().size(), 1u);
    // A number that would move the data off the paper is refused the same way.
    screens::write(kForm, kShiftDownBox, "0");
    screens::write(kForm, kShiftRightBox, "40");
    test::click(kForm, kStatementDataPrintButton);
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages[1].prompt.contains("右側へ"));
    EXPECT_EQ(printing.documents().size(), 1u);

    test::click(kForm, kShiftClearButton);
    EXPECT_EQ(shown(kShiftRightBox), "");
    EXPECT_EQ(shown(kShiftDownBox), "");
    test::click(kForm, kStatementDataPrintButton);  // empty boxes move nothing
    EXPECT_EQ(printing.documents().size(), 2u);
    EXPECT_EQ(data().statementDataShiftRight, 0);
}

TEST_F(Form7Test, WithoutAPrinterThePrintoutSaysSo) {
    test::RecordedPrinting printing;
    printing.opener().noPrinter = true;
    openPrintScreen("1", "5");
    test::click(kForm, kLedgerPrintButton);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("プリンター"));
    EXPECT_EQ(dialogs->messages[0].title, "源泉徴収簿");
    EXPECT_TRUE(printing.documents().empty());
}

TEST_F(Form7Test, APrinterThatRefusesTheJobIsNamedUnderTheButtonsTitle) {
    if (!test::hasTestPrinter()) GTEST_SKIP() << "no test printer (NENCHO_TEST_CUPS)";
    registerFormPageImages();
    test::DefaultQueue queue(test::kRefusingQueue);
    openPrintScreen("1", "5");
    struct Case {
        const char* button;
        const char* title;
    };
    for (const Case& c :
         {Case{kLedgerPrintButton, "源泉徴収簿"}, Case{kDependantsPrintButton, "扶養控除等申告書"},
          Case{kInsurancePrintButton, "保険控除 兼 配偶者特別控除申告書"},
          Case{kStatementPrintButton, "源泉徴収票の印刷"}}) {
        dialogs->messages.clear();
        screens::press(kForm, c.button);
        ASSERT_EQ(dialogs->messages.size(), 1u) << c.title;
        EXPECT_EQ(dialogs->messages[0].title, c.title);
        const QString& said = dialogs->messages[0].prompt;
        EXPECT_TRUE(said.contains("プリンター「TEST-REFUSE」が印刷を受け付けませんでした"))
            << said.toStdString();
        EXPECT_TRUE(said.contains("not accepting jobs")) << said.toStdString();
    }
}

TEST_F(Form7Test, TheEndButtonBeepsAndEndsTheProgram) {
    screens::show(kForm);
    test::click(kForm, kEndButton);
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(programEnds, 1);
}

}  // namespace
}  // namespace nencho
