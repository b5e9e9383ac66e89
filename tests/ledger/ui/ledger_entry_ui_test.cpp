// Row entry: each row's 計算実行 takes the typed pay into the ledger and hands the row to the
// monthly or bonus calculation screen; Enter in a pay box presses its row's button.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "ledger_screen_test.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

class LedgerRowEntry : public LedgerScreenTest {
  protected:
    // Every cross-screen step in order: "Press Form8.Command7", "Show Form8", "Form8.Text3=5".
    std::vector<QString> steps() const {
        std::vector<QString> result;
        for (const ScreenEvent& e : events) {
            if (e.kind == Kind::Press) result.push_back("Press " + e.form + "." + e.control);
            if (e.kind == Kind::Show) result.push_back("Show " + e.form);
            if (e.kind == Kind::Write) result.push_back(e.form + "." + e.control + "=" + e.text);
        }
        return result;
    }
    void pressEnter(int payBox) {
        auto* box = ledger().control<QLineEdit>(QString("Text%1").arg(payBox));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(box, &enter);
    }
};

TEST_F(LedgerRowEntry, MonthButtonsHandTheMonthToTheMonthlyCalculation) {
    const struct {
        const char* button;
        int month;
        int payBox;
    } rows[] = {
        {"Command1", 1, 12},  {"Command6", 2, 21},   {"Command7", 3, 30},    {"Command8", 4, 39},
        {"Command9", 5, 48},  {"Command10", 6, 57},  {"Command11", 7, 66},   {"Command12", 8, 75},
        {"Command13", 9, 84}, {"Command14", 10, 93}, {"Command15", 11, 102}, {"Command16", 12, 111},
    };
    openLedger(12, 7);
    ledger().setTextOf("Text162", "07");  // a code typed with a leading zero goes on without it
    for (const auto& row : rows) {
        type(row.payBox, "250,000");
        clearEvents();
        click("Form2", row.button);
        EXPECT_EQ(steps(), (std::vector<QString>{
                               "Press Form8.Command7", "Show Form8", "Form8.Label3=250,000",
                               "Form8.Text3=" + QString::number(row.month), "Form8.Text11=H17",
                               "Form8.Text161=12", "Form8.Text162=7"}))
            << row.button;
        EXPECT_EQ(ledger().textOf(row.button), "計算実行");
    }
    // The pays went into the ledger without a calculation: the next save stores them.
    ledger().press("Command22");
    const auto lines = readLines(ledgerPath(12, 7));
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(lines[month - 1], "250000") << month;
    EXPECT_EQ(lines[12], "0");  // the month total waits for the next month totals
}

TEST_F(LedgerRowEntry, PayBoxesReadAsWholeYen) {
    const struct {
        const char* typed;
        const char* caption;
        const char* stored;
    } cases[] = {
        {"250,000", "250,000", "250000"},
        {"12.5", "12", "12"},
        {"13.5", "14", "14"},
        {"-5000", "-5,000", "-5000"},
        {"abc", "", "0"},
        {"", "", "0"},
        {" ", "", "0"},
        {"3,000,000,000", "", "0"},
    };
    openLedger(1, 2);
    for (const auto& c : cases) {
        type(12, c.typed);
        click("Form2", "Command1");
        EXPECT_EQ(screens::read("Form8", "Label3"), c.caption) << c.typed;
        ledger().press("Command22");
        EXPECT_EQ(readLines(ledgerPath(1, 2))[0], c.stored) << c.typed;
    }
}

TEST_F(LedgerRowEntry, BonusButtonsHandTheBonusToTheBonusCalculation) {
    const struct {
        const char* button;
        int bonus;
        int payBox;
    } rows[] = {{"Command18", 1, 129}, {"Command19", 2, 138}, {"Command20", 3, 147}};
    openLedger(1, 2);
    for (const auto& row : rows) {
        type(row.payBox, QString::number(100000 * row.bonus));
        clearEvents();
        click("Form2", row.button);
        const QString number = QString::number(row.bonus);
        EXPECT_EQ(steps(),
                  (std::vector<QString>{"Press Form9.Command10", "Show Form9",
                                        "Form9.Label3=" + QString::number(row.bonus) + "00,000",
                                        "Form9.Text3=" + number, "Form9.Text28=" + number}))
            << row.button;
    }
    ledger().press("Command22");
    const auto lines = readLines(ledgerPath(1, 2));
    EXPECT_EQ(lines[13], "100000");
    EXPECT_EQ(lines[14], "200000");
    EXPECT_EQ(lines[15], "300000");
}

TEST_F(LedgerRowEntry, EnterInAPayBoxPressesItsRowsButton) {
    const struct {
        int payBox;
        const char* form;
        const char* number;
    } cases[] = {{12, "Form8", "1"},  {48, "Form8", "5"},  {111, "Form8", "12"},
                 {129, "Form9", "1"}, {138, "Form9", "2"}, {147, "Form9", "3"}};
    openLedger(1, 2);
    for (const auto& c : cases) {
        type(c.payBox, "300,000");
        pressEnter(c.payBox);
        EXPECT_EQ(screens::read(c.form, "Text3"), c.number) << c.payBox;
        EXPECT_EQ(screens::read(c.form, "Label3"), "300,000") << c.payBox;
    }
    // Enter in a day box or a computed box does nothing.
    clearEvents();
    pressEnter(11);
    pressEnter(13);
    EXPECT_TRUE(events.empty());
}

TEST_F(LedgerRowEntry, UnreadableCodesOpenNoCalculation) {
    const std::pair<const char*, const char*> codes[] = {
        {"1", ""},
        {"", "2"},
        {"abc", "2"},
        {"1", "40000"},
    };
    openKnownLedger();
    for (const auto& [company, person] : codes) {
        ledger().setTextOf("Text161", company);
        ledger().setTextOf("Text162", person);
        type(12, "1");
        dialogs->messages.clear();
        clearEvents();
        click("Form2", "Command1");
        click("Form2", "Command18");
        EXPECT_TRUE(events.empty()) << company << "/" << person;
        EXPECT_EQ(dialogs->messages.size(), 2u);
    }
    // Neither code was taken, nor the pay: the ledger is still company 1's person 2.
    ledger().press("Command22");
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));
}

// A calculation screen left open for a row of one person writes that row back into whatever
// the ledger shows when it is computed; taking up another person closes it.
TEST_F(LedgerRowEntry, TakingUpAnotherPersonClosesTheFormerPersonsCalculations) {
    auto shown = [](const char* form) { return screens::touch(form).isVisible(); };
    openKnownLedger();
    type(30, "300,000");
    click("Form2", "Command7");   // March of person 2 to the monthly screen
    click("Form2", "Command19");  // bonus 2 to the bonus screen
    openLedger(1, 2);             // the same person again: both stay open
    EXPECT_TRUE(shown("Form8"));
    EXPECT_TRUE(shown("Form9"));

    const struct {
        int company;
        int person;
    } others[] = {{1, 3}, {2, 2}};
    for (const auto& other : others) {
        SCOPED_TRACE(other.company * 100 + other.person);
        click("Form2", "Command7");
        click("Form2", "Command19");
        openLedger(other.company, other.person);
        EXPECT_FALSE(shown("Form8"));
        EXPECT_FALSE(shown("Form9"));
        openKnownLedger();
    }

    // A refused code leaves the ledger with no person: nothing handed on stays open either.
    click("Form2", "Command7");
    openLedger(1, 100);
    EXPECT_FALSE(shown("Form8"));
}

TEST_F(LedgerRowEntry, MonthButtonsTakeTheYearBoxBonusButtonsDoNot) {
    openLedger(1, 2);
    ensureDataTree("H14");
    ledger().setTextOf("Text10", "H14");
    click("Form2", "Command18");
    ledger().press("Command22");
    EXPECT_TRUE(exists(ledgerPath(1, 2, "H17")));
    EXPECT_FALSE(exists(ledgerPath(1, 2, "H14")));

    click("Form2", "Command1");
    EXPECT_EQ(screens::read("Form8", "Text11"), "H14");
    ledger().press("Command22");
    EXPECT_TRUE(exists(ledgerPath(1, 2, "H14")));
}

}  // namespace
}  // namespace nencho::test
