// The ledger's load and save, its totals and what they feed the year-end screens.
#include <QPushButton>

#include "ledger/ledger_grid.h"
#include "ledger_screen_test.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

class LedgerLoadSave : public LedgerScreenTest {};

const char* const kFormThreeTotals[] = {"Text2",  "Text22", "Text23", "Text24",
                                        "Text25", "Text26", "Text29"};

TEST_F(LedgerLoadSave, LoadFillsTheGridAndTheYearEndTotals) {
    openKnownLedger();
    const std::pair<int, const char*> shown[] = {
        {11, "25"},       {12, "250,000"}, {13, "30,001"},     {14, "219,999"},  {15, "1"},
        {16, "5,010"},    {18, "5,010"},   {29, "末日"},       {33, "0"},        {83, "10,25"},
        {111, "261,000"}, {114, "0"},      {120, "3,066,000"}, {121, "360,078"}, {122, "2,705,922"},
        {124, "60,780"},  {126, "60,780"}, {123, ""},          {127, "6"},       {128, "30"},
        {129, "500,000"}, {132, "2"},      {145, ""},          {147, ""},        {150, "0"},
        {154, "900,000"}, {157, ""},       {165, "3,966,000"}, {166, "468,078"}, {169, "96,780"},
        {171, "96,780"},  {168, ""},
    };
    for (const auto& [number, text] : shown) EXPECT_EQ(box(number), text) << "Text" << number;

    const char* const fed[] = {"3,066,000", "60,780", "900,000", "36,000",
                               "3,966,000", "96,780", "468,078"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(screens::read("Form3", kFormThreeTotals[i]), fed[i]) << kFormThreeTotals[i];
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(LedgerLoadSave, LoadThenSaveRecomputesOnlyTheGrandTotals) {
    writeBytes(ledgerPath(1, 2), goldenBytes("ledger_1020.txt"));
    const auto golden = readLines(ledgerPath(1, 2));
    auto stale = golden;
    for (int line : {18, 36, 54, 87}) stale[line - 1] = "1";
    writeLines(ledgerPath(1, 2), stale);

    openLedger(1, 2);
    ledger().press("Command22");
    EXPECT_EQ(readLines(ledgerPath(1, 2)), golden);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(LedgerLoadSave, ACodeOfTheNextCompanyIsRefusedAndNothingOfItIsShownOrSaved) {
    // Person 102 of company 1 would name the ledger of person 2 of company 2.
    writeBytes(ledgerPath(2, 2), goldenBytes("ledger_1020.txt"));
    openKnownLedger();
    dialogs->messages.clear();
    openLedger(1, 102);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(box(12), "");
    EXPECT_EQ(box(165), "");

    type(12, "100000");
    click("Form2", "Command1");  // the row's 計算実行 refuses the code too
    EXPECT_EQ(dialogs->messages.size(), 2u);
    EXPECT_FALSE(screens::touch("Form8").isVisible());
    ledger().press("Command22");
    EXPECT_EQ(readBytes(ledgerPath(2, 2)), goldenBytes("ledger_1020.txt"));
}

TEST_F(LedgerLoadSave, SaveFeedsTheYearEndScreensThenPressesTheirComputations) {
    openKnownLedger();
    clearEvents();
    ledger().press("Command22");
    EXPECT_EQ(writesWithText(),
              (std::vector<QString>{"Form3.Text25=3,966,000", "Form3.Text26=96,780",
                                    "Form3.Text29=468,078", "Form5.Text48=0",
                                    "Form4.Text91=468,078", "Form7.Label25="}));
    EXPECT_EQ(eventsOf(Kind::Press), (std::vector<QString>{"Form4.Command1", "Form5.Command3"}));
}

TEST_F(LedgerLoadSave, FedScreensComputeBeforeTheLedgerFileIsWritten) {
    openLedger(1, 3);
    bool ledgerThereWhenInsuranceComputed = true;
    auto* compute = screens::touch("Form4").control<QPushButton>("Command1");
    QObject::connect(compute, &QPushButton::clicked,
                     [&] { ledgerThereWhenInsuranceComputed = exists(ledgerPath(1, 3)); });
    ledger().press("Command22");
    EXPECT_FALSE(ledgerThereWhenInsuranceComputed);
    EXPECT_TRUE(exists(ledgerPath(1, 3)));
}

// Screens that hold another person or year are made to take up the ledger's person first, so
// their computations rewrite only that person's records.
TEST_F(LedgerLoadSave, FeedMakesTheFedScreensHoldTheLedgersPerson) {
    openKnownLedger();
    screens::touch("Form4").setTextOf("Text162", "5");
    screens::touch("Form5").setTextOf("Text73", "H14");
    clearEvents();
    ledger().press("Command22");
    EXPECT_EQ(eventsOf(Kind::Press),
              (std::vector<QString>{"Form4.Command36", "Form4.Command3", "Form4.Command2",
                                    "Form4.Command5", "Form5.Command36", "Form5.Command10",
                                    "Form5.Command9", "Form5.Command22", "Form4.Command1",
                                    "Form5.Command3"}));
    for (const char* form : {"Form4", "Form5"}) {
        EXPECT_EQ(screens::read(form, "Text161"), "1");
        EXPECT_EQ(screens::read(form, "Text162"), "2");
    }
    EXPECT_EQ(screens::read("Form5", "Text73"), "H17");
}

TEST_F(LedgerLoadSave, MonthTotalsReadTheComputedBoxesAndTakePayFromTheTable) {
    openKnownLedger();
    type(31, "abc");     // March's social insurance: not a number, read as 0
    type(115, "6,000");  // December's tax typed by hand
    type(12, "999");     // January's pay typed without its 計算実行: not taken
    type(114, "3");      // December's dependants
    clearEvents();
    ledger().press("Command17");

    EXPECT_EQ(box(120), "3,066,000");
    EXPECT_EQ(box(121), "330,075");
    EXPECT_EQ(box(124), "61,660");
    EXPECT_EQ(box(126), "61,660");
    EXPECT_EQ(box(123), "");
    const auto writes = writesWithText();
    ASSERT_GE(writes.size(), 3u);
    EXPECT_EQ(writes[0], "Form3.Text2=3,066,000");
    EXPECT_EQ(writes[1], "Form3.Text22=61,660");
    EXPECT_EQ(writes[5], "Form5.Text48=3");
    EXPECT_EQ(eventsOf(Kind::Press), (std::vector<QString>{"Form4.Command1", "Form5.Command3"}));

    const auto lines = readLines(ledgerPath(1, 2));
    EXPECT_EQ(lines[1 - 1], "250000");
    EXPECT_EQ(lines[21 - 1], "0");
    EXPECT_EQ(lines[31 - 1], "330075");
    EXPECT_EQ(lines[66 - 1], "3");
    EXPECT_EQ(lines[81 - 1], "6000");
    EXPECT_EQ(lines[87 - 1], "97660");
}

TEST_F(LedgerLoadSave, BonusTotalsFeedTheBonusRowAndDoNotSave) {
    openKnownLedger();
    type(130, "1,000");
    type(147, "70,000");  // bonus 3's amount typed without its 計算実行: not taken
    clearEvents();
    ledger().press("Command21");
    EXPECT_EQ(box(154), "900,000");
    EXPECT_EQ(box(155), "49,000");
    EXPECT_EQ(writesWithText(),
              (std::vector<QString>{"Form3.Text23=900,000", "Form3.Text24=36,000"}));
    EXPECT_TRUE(eventsOf(Kind::Press).empty());
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));

    ledger().press("Command22");
    EXPECT_EQ(screens::read("Form3", "Text29"), "409,078");
    EXPECT_EQ(box(166), "409,078");
}

TEST_F(LedgerLoadSave, APersonWithoutALedgerShowsAnEmptyGridAndFeedsZeros) {
    openKnownLedger();
    openLedger(1, 3);
    for (int number : displayClearBoxes()) EXPECT_EQ(box(number), "") << "Text" << number;
    for (const char* total : kFormThreeTotals)
        EXPECT_EQ(screens::read("Form3", total), "") << total;
    EXPECT_TRUE(dialogs->messages.empty());

    clearEvents();
    ledger().press("Command22");
    EXPECT_EQ(screens::read("Form5", "Text48"), "0");
    EXPECT_EQ(screens::read("Form4", "Text91"), "");
    const auto lines = readLines(ledgerPath(1, 3));
    ASSERT_EQ(lines.size(), 117u);
    for (int line = 1; line <= 87; ++line) EXPECT_EQ(lines[line - 1], "0") << line;
    for (int line = 88; line <= 105; ++line) EXPECT_EQ(lines[line - 1], "\"\"") << line;
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));
}

TEST_F(LedgerLoadSave, TheSamePersonCodeInAnotherCompanyIsAnotherLedger) {
    openKnownLedger();
    openLedger(2, 2);
    EXPECT_EQ(box(12), "");
    // January's pay handed on for company 2's person stays that person's.
    type(12, "100");
    click("Form2", "Command1");
    ledger().press("Command22");
    EXPECT_EQ(readLines(ledgerPath(2, 2))[0], "100");
    EXPECT_EQ(readLines(ledgerPath(2, 2))[12], "0");

    openLedger(1, 2);
    EXPECT_EQ(box(12), "250,000");
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));
}

TEST_F(LedgerLoadSave, ADamagedLedgerIsReportedAndNothingOfItShown) {
    openKnownLedger();
    writeBytes(ledgerPath(1, 3), goldenBytes("ledger_1020.txt"));
    auto lines = readLines(ledgerPath(1, 3));
    lines.resize(60);
    writeLines(ledgerPath(1, 3), lines);
    const std::string damaged = readBytes(ledgerPath(1, 3));

    openLedger(1, 3);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "データ呼出");
    EXPECT_EQ(box(12), "");
    EXPECT_EQ(screens::read("Form3", "Text25"), "");
    EXPECT_EQ(readBytes(ledgerPath(1, 3)), damaged);
}

TEST_F(LedgerLoadSave, AFailedSaveSaysSoAndKeepsTheOldFile) {
    openKnownLedger();
    type(11, "a\"b");  // a quote cannot be stored in a text field
    ledger().press("Command22");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "メモリー不足により登録不可");
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));

    // A year without its folder: the feed has run, only the file is missing.
    type(11, "25");
    ledger().setTextOf("Text10", "H99");
    ledger().press("Command36");
    clearEvents();
    ledger().press("Command22");
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1].title, "メモリー不足により登録不可");
    const auto presses = eventsOf(Kind::Press);
    EXPECT_NE(std::find(presses.begin(), presses.end(), "Form4.Command1"), presses.end());
    EXPECT_FALSE(exists(ledgerPath(1, 2, "H99")));
}

// The save writes the file of the person whose figures it holds, even when the code box was
// changed without a load.
TEST_F(LedgerLoadSave, SaveWritesTheFileOfThePersonItsFiguresBelongTo) {
    openKnownLedger();
    ledger().setTextOf("Text162", "3");
    ledger().press("Command22");
    EXPECT_FALSE(exists(ledgerPath(1, 3)));
    EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));
}

TEST_F(LedgerLoadSave, SumsBeyondThirtyTwoBitsAreRefusedAndNothingChanges) {
    struct Case {
        const char* what;
        std::vector<int> lines;  // set to 2,000,000,000
        const char* totals;      // the totals button pressed before the save
    };
    // Only the grand total leaves the range in the last two: the month or bonus totals that
    // would fit are not shown or fed either.
    const Case cases[] = {
        {"month pay", {1, 2}, "Command17"},
        {"month tax", {70, 71}, "Command17"},
        {"bonus pay", {14, 15}, "Command21"},
        {"months and bonuses together", {1, 14}, "Command17"},
        {"bonuses and months together", {1, 14}, "Command21"},
    };
    const int kTotalBoxes[] = {120, 121, 122, 124, 126, 154, 155, 156,
                               158, 160, 165, 166, 167, 169, 171};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(ledgerPath(1, 2), goldenBytes("ledger_1020.txt"));
        auto lines = readLines(ledgerPath(1, 2));
        for (int line : c.lines) lines[line - 1] = "2000000000";
        writeLines(ledgerPath(1, 2), lines);
        const std::string stored = readBytes(ledgerPath(1, 2));
        openLedger(1, 2);
        dialogs->messages.clear();
        std::vector<QString> shownTotals;
        for (int number : kTotalBoxes) shownTotals.push_back(box(number));
        clearEvents();

        ledger().press(c.totals);
        ledger().press("Command22");  // as the calculation screen presses it next
        EXPECT_EQ(dialogs->messages.size(), 1u);
        for (std::size_t i = 0; i < std::size(kTotalBoxes); ++i)
            EXPECT_EQ(box(kTotalBoxes[i]), shownTotals[i]) << "Text" << kTotalBoxes[i];
        EXPECT_EQ(readBytes(ledgerPath(1, 2)), stored);
        EXPECT_TRUE(events.empty());  // nothing fed to the year-end screens either

        ledger().press("Command22");  // a save of its own is refused too
        EXPECT_EQ(dialogs->messages.size(), 2u);
        EXPECT_EQ(readBytes(ledgerPath(1, 2)), stored);
    }
}

}  // namespace
}  // namespace nencho::test
