#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"
#include "withholding/checked_amounts.h"
#include "withholding/ui/calculation_screen_test.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;
using Lines = std::vector<std::string>;

const std::vector<QString> kTotalsAndSave = {"Form2.Command17", "Form2.Command22"};

class Form8Test : public CalculationScreenTest {
  protected:
    // What the ledger's month button hands over: the manual boxes cleared, the screen shown,
    // the pay, the month, the year and the codes (company 1, person 2).
    Screen& handIn(int month, const QString& pay, const QString& year = "H17") {
        return CalculationScreenTest::handIn("Form8", "Command7",
                                             {{"Label3", pay},
                                              {"Text3", QString::number(month)},
                                              {"Text11", year},
                                              {"Text161", "1"},
                                              {"Text162", "2"}});
    }

    static QStringList rowOf(int month) { return ledgerRow(month); }

    QStringList ledgerWritesAndPresses() const {
        QStringList seen;
        for (const ScreenEvent& event : events)
            if (event.form == "Form2" && (event.kind == Kind::Write || event.kind == Kind::Press))
                seen << event.control;
        return seen;
    }

    static std::string recordPath(int month, const std::string& year = "H17") {
        return *monthlyPayRecordPath(year, 102, month);
    }

    static void choose(const QString& option) { screens::setOption("Form8", option, true); }
};

TEST_F(Form8Test, JanuaryIsComputedWrittenBackRecordedTotalledAndSaved) {
    Screen& form = handIn(1, "250,000");
    click("Form8", "Command1");

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(rowOf(1), (QStringList{"250,000", "28,314", "221,686", "", "8,680", "8,680"}));
    EXPECT_EQ(ledgerWritesAndPresses(),
              (QStringList{"Text12", "Text13", "Text14", "Text15", "Text16", "Text18", "Command17",
                           "Command22"}));
    EXPECT_EQ(readBytes(recordPath(1)), goldenBytes("monthly_pay_record_january.txt"));
    EXPECT_TRUE(dialogs->messages.empty());
}

// Input methods type full-width digits; the pay reads as the number it shows.
TEST_F(Form8Test, AFullWidthPayIsComputedAsItsNumber) {
    handIn(1, "２５００００");
    click("Form8", "Command1");
    EXPECT_EQ(rowOf(1)[0], "250,000");
    EXPECT_EQ(readBytes(recordPath(1)), goldenBytes("monthly_pay_record_january.txt"));
}

// The ledger refuses a month whose totals would pass 2,147,483,647; the calculation finds that
// out first and writes nothing, no pay record either.
TEST_F(Form8Test, AMonthTheLedgerWouldRefuseWritesNoPayRecord) {
    const std::string ledger = *yearFilePath("H17", 102, YearFileKind::Ledger);
    writeBytes(ledger, goldenBytes("ledger_1020.txt"));
    auto lines = readLines(ledger);
    lines[7 - 1] = "2000000000";  // July's pay
    writeLines(ledger, lines);
    const std::string stored = readBytes(ledger);
    openLedgerOf("1", "2");
    const QStringList january = rowOf(1);

    handIn(1, "200,000,000");
    click("Form8", "Command1");

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].prompt.startsWith("合計が 2,147,483,647 円を超える"));
    EXPECT_FALSE(exists(recordPath(1)));
    EXPECT_TRUE(ledgerWritesAndPresses().isEmpty());
    EXPECT_EQ(rowOf(1), january);
    EXPECT_EQ(readBytes(ledger), stored);
}

TEST_F(Form8Test, MonthsTwoToFiveGoToTheirOwnRowsAndRecords) {
    const std::pair<int, QString> months[] = {
        {2, "Text21"}, {3, "Text30"}, {4, "Text39"}, {5, "Text48"}};
    for (const auto& [month, payBox] : months) {
        handIn(month, "250,000");
        click("Form8", "Command1");
        EXPECT_EQ(ledgerWritesAndPresses().front(), payBox) << month;
        EXPECT_EQ(rowOf(month), (QStringList{"250,000", "28,314", "221,686", "", "8,680", "8,680"}))
            << month;
        EXPECT_EQ(readLines(recordPath(month)), (Lines{std::to_string(month), "250000", "10660",
                                                       "17654", "0", "8680", "36994", "213006"}))
            << month;
        EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave) << month;
    }
}

TEST_F(Form8Test, CheckBoxesAndTheNursingCareRateChangeThePremiums) {
    struct Case {
        const char* checkBox;  // nullptr: none ticked
        const char* button;
        Lines premiums;  // health, pension, employment, tax
        QString socialInsurance;
    };
    const Case cases[] = {
        {"chkKenkou", "Command1", {"0", "17654", "0", "9270"}, "17,654"},
        {"chkNenkin", "Command1", {"10660", "0", "0", "9670"}, "10,660"},
        {"chkKoho", "Command1", {"10660", "17654", "1754", "8580"}, "30,068"},
        {nullptr, "Command3", {"12103", "17654", "0", "8600"}, "29,757"},
    };
    for (const Case& c : cases) {
        for (const char* box : {"chkKenkou", "chkNenkin", "chkKoho"})
            screens::setCheck("Form8", box, c.checkBox && QString(box) == c.checkBox);
        handIn(3, "250,000");
        click("Form8", c.button);
        const Lines lines = readLines(recordPath(3));
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 6), c.premiums) << c.button;
        EXPECT_EQ(screens::read("Form2", "Text31"), c.socialInsurance) << c.button;
    }
}

TEST_F(Form8Test, AnEmptyPayWritesAnEmptyRowAndAZeroRecord) {
    choose("optFu2");
    handIn(1, "");
    click("Form8", "Command1");
    EXPECT_EQ(rowOf(1), (QStringList{"", "", "", "2", "", ""}));
    EXPECT_EQ(readLines(recordPath(1)), (Lines{"1", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave);
}

TEST_F(Form8Test, APayBelowThePremiumsShowsItsMinusSign) {
    handIn(1, "9,000");
    click("Form8", "Command1");
    EXPECT_EQ(rowOf(1), (QStringList{"9,000", "10,672", "-1,672", "", "", ""}));
    EXPECT_EQ(readLines(recordPath(1)).back(), "-1672");
}

TEST_F(Form8Test, FiveOrMoreAsksTheCountUntilAllowedOrCancelled) {
    struct Case {
        std::vector<std::optional<QString>> answers;
        int explained;          // messages saying what is allowed
        QString dependantsBox;  // the dependants box after the calculation
    };
    const Case cases[] = {
        {{"6"}, 0, "6"},
        {{"-1", "6"}, 1, "6"},
        {{"4", "abc", "６"}, 2, "6"},
        {{std::nullopt}, 0, "unwritten"},
        {{"100", std::nullopt}, 1, "unwritten"},
    };
    for (const Case& c : cases) {
        choose("optFu5");
        dialogs->messages.clear();
        dialogs->inputPrompts.clear();
        dialogs->inputs.assign(c.answers.begin(), c.answers.end());
        screens::write("Form2", "Text60", "unwritten");
        if (exists(recordPath(6))) deleteFile(recordPath(6));
        Screen& form = handIn(6, "600,000");
        click("Form8", "Command1");

        EXPECT_EQ(dialogs->inputPrompts.size(), c.answers.size());
        EXPECT_EQ(dialogs->inputPrompts.front(), "扶養家族は何人ですか(配偶者を含む）？");
        EXPECT_EQ(static_cast<int>(dialogs->messages.size()), c.explained);
        EXPECT_EQ(screens::read("Form2", "Text60"), c.dependantsBox);
        if (c.dependantsBox == "6") {
            EXPECT_EQ(screens::read("Form2", "Text61"), "12,950");  // (6 + 1) × 31,667 deducted
        } else {
            EXPECT_TRUE(form.isVisible());
            EXPECT_TRUE(ledgerWritesAndPresses().isEmpty());
            EXPECT_FALSE(exists(recordPath(6)));
        }
    }
}

TEST_F(Form8Test, AWrongMonthOrCodeIsExplainedAndNothingIsWritten) {
    struct Case {
        const char* box;
        QString text;
    };
    const Case cases[] = {{"Text3", "13"}, {"Text3", "0"},      {"Text3", "x"},
                          {"Text162", ""}, {"Text161", "2148"}, {"Text11", ""}};
    for (const Case& c : cases) {
        for (const char* button : {"Command1", "Command2"}) {
            Screen& form = handIn(1, "250,000");
            form.setTextOf(c.box, c.text);
            dialogs->messages.clear();
            click("Form8", button);
            const bool manual = QString(button) == "Command2";
            const bool refused = !manual || QString(c.box) == "Text3";
            EXPECT_EQ(dialogs->messages.size(), refused ? 1u : 0u) << c.box << c.text.toStdString();
            EXPECT_EQ(form.isVisible(), refused) << c.box;
            EXPECT_EQ(ledgerWritesAndPresses().isEmpty(), refused) << c.box;
        }
    }
    EXPECT_FALSE(exists(recordPath(1)));
}

TEST_F(Form8Test, ARecordThatCannotBeWrittenIsReportedAndTheLedgerStillSaved) {
    handIn(1, "250,000", "H16");
    click("Form8", "Command1");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "毎月の給与計算");
    EXPECT_EQ(rowOf(1)[0], "250,000");
    EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave);
}

TEST_F(Form8Test, ManualEntryWritesTheTypedRowWithoutARecord) {
    Screen& form = handIn(1, "300,000");
    form.setTextOf("Text1", "42,000");
    form.setTextOf("Text2", "6530");
    form.setTextOf("Text7", "1");
    click("Form8", "Command2");

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(rowOf(1), (QStringList{"300,000", "42,000", "258,000", "1", "6,530", "6,530"}));
    EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave);
    EXPECT_FALSE(exists(recordPath(1)));
    for (const char* box : {"Text1", "Text2", "Text7"}) EXPECT_EQ(form.textOf(box), "") << box;
}

TEST_F(Form8Test, ManualEntryOfEmptyBoxesAndOfTooMuchInsurance) {
    handIn(12, "250,000");
    click("Form8", "Command2");
    EXPECT_EQ(rowOf(12), (QStringList{"250,000", "", "250,000", "", "", ""}));

    Screen& form = handIn(12, "1,000");
    form.setTextOf("Text1", "1,500");
    click("Form8", "Command2");
    EXPECT_EQ(rowOf(12)[2], "-500");
}

TEST_F(Form8Test, ManualEntryBeyondThirtyTwoBitsIsRefused) {
    Screen& form = handIn(1, "-2,000,000,000");
    form.setTextOf("Text1", "2,000,000,000");
    click("Form8", "Command2");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt,
              QString::fromStdString(overflowDescription("社会保険料控除後の金額")));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(ledgerWritesAndPresses().isEmpty());
    EXPECT_EQ(form.textOf("Text1"), "2,000,000,000");
}

TEST_F(Form8Test, DependantsStepperAndClear) {
    screens::show("Form8");
    Screen& form = screens::touch("Form8");
    const std::tuple<QString, const char*, QString> steps[] = {
        {"", "Command5", "1"}, {"32767", "Command5", "1"}, {"3", "Command5", "4"},
        {"", "Command6", "0"}, {"0", "Command6", "0"},     {"3", "Command6", "2"},
    };
    for (const auto& [before, button, after] : steps) {
        form.setTextOf("Text7", before);
        click("Form8", button);
        EXPECT_EQ(form.textOf("Text7"), after) << before.toStdString() << button;
    }
    handIn(4, "100");
    for (const char* box : {"Text1", "Text2", "Text7"}) form.setTextOf(box, "9");
    click("Form8", "Command7");
    for (const char* box : {"Text1", "Text2", "Text7"}) EXPECT_EQ(form.textOf(box), "") << box;
    EXPECT_EQ(form.textOf("Label3"), "100");
    EXPECT_EQ(form.textOf("Text3"), "4");
}

TEST_F(Form8Test, EnterMovesThroughTheManualBoxes) {
    Screen& form = handIn(1, "");
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    form.control<QLineEdit>("Text1")->setFocus();
    for (const char* next : {"Text2", "Text7"}) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(QApplication::focusWidget(), &enter);
        EXPECT_EQ(QApplication::focusWidget(), form.controlWidget(next)) << next;
    }
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(QApplication::focusWidget(), &letter);
    EXPECT_EQ(dialogs->tabs, 2);
}

TEST_F(Form8Test, OptionsAndCheckBoxesStartAsDesigned) {
    Screen& form = screens::touch("Form8");
    EXPECT_TRUE(form.control<QRadioButton>("optFu0")->isChecked());
    for (const char* box : {"chkKenkou", "chkNenkin", "chkKoho"})
        EXPECT_FALSE(form.control<QCheckBox>(box)->isChecked()) << box;
    const std::pair<const char*, const char*> captions[] = {
        {"Command1", "介護保険なし"},  {"Command3", "介護保険あり"},  {"Command2", "手動計算実行"},
        {"chkKenkou", "健康保険なし"}, {"chkNenkin", "厚生年金なし"}, {"chkKoho", "雇用保険あり"},
        {"optFu1", " １人"},           {"optFu5", "５人以上"},
    };
    for (const auto& [name, caption] : captions) EXPECT_EQ(form.textOf(name), caption) << name;
}

}  // namespace
}  // namespace nencho::test
