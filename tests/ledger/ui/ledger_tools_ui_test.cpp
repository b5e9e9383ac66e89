// The ledger's row tools: display clear, pay-day presets, row clears, copies of months 7-12, END.
#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger_screen_test.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

class LedgerTools : public LedgerScreenTest {};

TEST_F(LedgerTools, DisplayClearEmptiesTheDataBoxesOnScreenOnly) {
    openKnownLedger();
    const int kept[] = {17, 116, 125, 134, 159, 170, 123, 157, 168};
    for (int number : kept) type(number, "x");
    ledger().setTextOf("Text2", "4");
    clearEvents();
    click("Form2", "Command3");

    for (int number : displayClearBoxes()) EXPECT_EQ(box(number), "") << "Text" << number;
    for (int number : kept) EXPECT_EQ(box(number), "x") << "Text" << number;
    EXPECT_EQ(ledger().textOf("Text2"), "4");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));

    // The figures stay in the ledger: a save stores them (with the now empty dates).
    ledger().press("Command22");
    EXPECT_EQ(readLines(ledgerPath(1, 2))[0], "250000");
    EXPECT_EQ(readLines(ledgerPath(1, 2))[87], "\"\"");
}

TEST_F(LedgerTools, PayDayButtonCyclesThroughNinePresets) {
    openKnownLedger();
    struct Step {
        const char* counter;
        const char* january;
        const char* february;
        const char* december;
    };
    const Step steps[] = {
        {"1", "31", "28", "31"}, {"2", "30", "28", "30"}, {"3", "25", "25", "25"},
        {"4", "20", "20", "20"}, {"5", "15", "15", "15"}, {"6", "10", "10", "10"},
        {"7", "5", "5", "5"},    {"8", "1", "1", "1"},    {"9", "", "", ""},
        {"1", "31", "28", "31"},
    };
    for (const Step& s : steps) {
        click("Form2", "Command60");
        EXPECT_EQ(ledger().textOf("Text2"), s.counter);
        EXPECT_EQ(box(11), s.january) << s.counter;
        EXPECT_EQ(box(20), s.february) << s.counter;
        EXPECT_EQ(box(110), s.december) << s.counter;
        EXPECT_EQ(box(127), "6");  // the bonus dates keep their text
        EXPECT_EQ(box(128), "30");
    }
    // Another person between presses does not restart the cycle.
    openLedger(1, 3);
    click("Form2", "Command60");
    EXPECT_EQ(ledger().textOf("Text2"), "2");
    EXPECT_EQ(box(47), "30");
}

TEST_F(LedgerTools, RowClearEmptiesItsMonthsEightBoxesOnly) {
    const std::pair<const char*, int> buttons[] = {
        {"Command47", 1}, {"Command46", 2},  {"Command45", 3},  {"Command44", 4},
        {"Command43", 5}, {"Command42", 6},  {"Command41", 7},  {"Command40", 8},
        {"Command39", 9}, {"Command38", 10}, {"Command23", 11}, {"Command5", 12},
    };
    openKnownLedger();
    for (const auto& [button, month] : buttons) {
        for (int m = 1; m <= 12; ++m)
            for (int number : monthRowBoxes(m)) type(number, "x");
        clearEvents();
        click("Form2", button);
        for (int m = 1; m <= 12; ++m)
            for (int number : monthRowBoxes(m))
                EXPECT_EQ(box(number), m == month ? "" : "x") << button << " Text" << number;
        EXPECT_EQ(ledger().textOf(button), QString::number(month));
        EXPECT_TRUE(events.empty()) << button;
    }
    EXPECT_EQ(box(120), "3,066,000");
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));
}

TEST_F(LedgerTools, CopyButtonsSevenToElevenCopyTheLedgersMonthForward) {
    const std::pair<const char*, int> buttons[] = {
        {"Command30", 7}, {"Command31", 8}, {"Command32", 9}, {"Command33", 10}, {"Command34", 11},
    };
    for (const auto& [button, month] : buttons) {
        SCOPED_TRACE(button);
        openKnownLedger();
        const LedgerRowBoxes source = ledgerRowBoxes(month);
        type(source.insurance, "1");  // typed since the last totals: the ledger's value wins
        clearEvents();
        click("Form2", button);

        const KnownMonth copied = knownMonth(month);
        for (int k = 1; k <= 12; ++k) {
            const KnownMonth want = k < month ? knownMonth(k) : copied;
            const LedgerRowBoxes b = ledgerRowBoxes(k);
            EXPECT_EQ(box(b.pay), amount(want.pay)) << k;
            EXPECT_EQ(box(b.insurance), amount(want.insurance)) << k;
            EXPECT_EQ(box(b.afterInsurance), amount(want.after)) << k;
            EXPECT_EQ(box(b.tax), amount(want.tax)) << k;
            EXPECT_EQ(box(b.taxAgain), amount(want.tax)) << k;
            if (k >= month) {  // the copy shows a count in "#,###" too, 0 as empty
                EXPECT_EQ(box(b.dependants), amount(want.dependants)) << k;
            }
            EXPECT_EQ(box(b.date), k == 3 ? "末日" : k == 9 ? "10,25" : k == 12 ? "24" : "25");
            const auto lines = readLines(ledgerPath(1, 2));
            EXPECT_EQ(lines[k - 1], std::to_string(want.pay)) << k;
            EXPECT_EQ(lines[69 + k - 1], std::to_string(want.tax)) << k;
            EXPECT_EQ(lines[54 + k - 1], std::to_string(want.dependants)) << k;
        }
        int payTotal = 0;
        for (int k = 1; k <= 12; ++k) payTotal += k < month ? knownMonth(k).pay : copied.pay;
        EXPECT_EQ(box(120), amount(payTotal));
        // The month totals save, and the copy saves once more.
        EXPECT_EQ(eventsOf(Kind::Press),
                  (std::vector<QString>{"Form4.Command1", "Form5.Command3", "Form4.Command1",
                                        "Form5.Command3"}));
    }
}

TEST_F(LedgerTools, CopyButtonTwelveDoesNothing) {
    openKnownLedger();
    type(112, "1");
    clearEvents();
    click("Form2", "Command35");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(box(112), "1");
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));
}

TEST_F(LedgerTools, CopyThatWouldOverflowTheYearIsRefused) {
    writeBytes(ledgerPath(1, 2), goldenBytes("ledger_1020.txt"));
    auto lines = readLines(ledgerPath(1, 2));
    lines[7 - 1] = "500000000";  // July's pay, six times over
    writeLines(ledgerPath(1, 2), lines);
    const std::string stored = readBytes(ledgerPath(1, 2));
    openLedger(1, 2);
    clearEvents();
    click("Form2", "Command30");
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(box(75), "257,000");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), stored);
}

TEST_F(LedgerTools, EndBeepsAndEndsTheProgram) {
    click("Form2", "Command37");
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(programEnds, 1);
}

}  // namespace
}  // namespace nencho::test
