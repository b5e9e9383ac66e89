// The copy buttons of months 1 to 6: which boxes each rewrites, what it takes from the screen
// first, and the two saves.
#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger_screen_test.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

constexpr int kTypedPay = 999999;
constexpr int kTypedInsurance = 1;
constexpr int kTypedJanuaryAfter = 123;

struct CopyCase {
    const char* button;
    int month;
    int firstPayBox;    // the first month whose pay box the copy rewrites
    int firstOtherBox;  // the same for the other columns
    int copiedPay;
    int copiedAfter;
};

// Before each copy, the copied month's pay and social insurance boxes and January's
// after-insurance box were typed into without computing.
const CopyCase kCases[] = {
    // January's after-insurance box is taken; none of January's boxes is rewritten.
    {"Command24", 1, 2, 2, knownMonth(1).pay, kTypedJanuaryAfter},
    // The month's own pay box is left alone; the others are set back to the sheet.
    {"Command25", 2, 3, 2, knownMonth(2).pay, knownMonth(2).after},
    // March's typed pay is taken, then all of March's boxes are rewritten.
    {"Command26", 3, 3, 3, kTypedPay, knownMonth(3).after},
    {"Command27", 4, 5, 4, knownMonth(4).pay, knownMonth(4).after},
    {"Command28", 5, 6, 5, knownMonth(5).pay, knownMonth(5).after},
    {"Command29", 6, 7, 6, knownMonth(6).pay, knownMonth(6).after},
};

class CopyEarlyMonths : public LedgerScreenTest {
  protected:
    // The pay box shown for month k after the copy.
    static QString shownPay(const CopyCase& c, int k) {
        if (k >= c.firstPayBox) return amount(c.copiedPay);
        if (k == c.month) return amount(kTypedPay);
        return amount(knownMonth(k).pay);
    }
    // A copied column's box of month k: the copied value, the typed one where the copy left
    // the month's box alone, the known one before the month.
    static QString shown(const CopyCase& c, int k, int copied, int known, QString typed) {
        if (k >= c.firstOtherBox) return amount(copied);
        if (k == c.month) return typed;
        return amount(known);
    }
};

TEST_F(CopyEarlyMonths, EachButtonRewritesItsMonthsAndSavesTwice) {
    for (const CopyCase& c : kCases) {
        SCOPED_TRACE(c.button);
        openKnownLedger();
        const LedgerRowBoxes source = ledgerRowBoxes(c.month);
        type(source.pay, amount(kTypedPay));
        type(source.insurance, amount(kTypedInsurance));
        type(ledgerRowBoxes(1).afterInsurance, amount(kTypedJanuaryAfter));
        clearEvents();
        click("Form2", c.button);

        const KnownMonth from = knownMonth(c.month);
        const auto lines = readLines(ledgerPath(1, 2));
        int payTotal = 0;
        for (int k = 1; k <= 12; ++k) {
            SCOPED_TRACE(k);
            const KnownMonth known = knownMonth(k);
            const LedgerRowBoxes b = ledgerRowBoxes(k);
            const QString typedAfter = k == 1 ? amount(kTypedJanuaryAfter) : amount(known.after);
            EXPECT_EQ(box(b.pay), shownPay(c, k));
            EXPECT_EQ(box(b.insurance),
                      shown(c, k, from.insurance, known.insurance, amount(kTypedInsurance)));
            EXPECT_EQ(box(b.afterInsurance),
                      k == 1 ? typedAfter : shown(c, k, c.copiedAfter, known.after, typedAfter));
            EXPECT_EQ(box(b.tax), shown(c, k, from.tax, known.tax, amount(known.tax)));
            EXPECT_EQ(box(b.taxAgain), shown(c, k, from.tax, known.tax, amount(known.tax)));
            EXPECT_EQ(box(b.date), k == 3 ? "末日" : k == 9 ? "10,25" : k == 12 ? "24" : "25");

            // The file: the sheet's pay, and the other columns as the month totals re-read
            // them from the boxes.
            const int pay = k < c.month ? known.pay : c.copiedPay;
            payTotal += pay;
            const int insurance = k == c.month && c.month == 1 ? kTypedInsurance
                                  : k < c.month                ? known.insurance
                                                               : from.insurance;
            const int tax = k < c.month ? known.tax : from.tax;
            const int dependants = k < c.month ? known.dependants : from.dependants;
            EXPECT_EQ(lines[k - 1], std::to_string(pay));
            EXPECT_EQ(lines[18 + k - 1], std::to_string(insurance));
            EXPECT_EQ(lines[54 + k - 1], std::to_string(dependants));
            EXPECT_EQ(lines[69 + k - 1], std::to_string(tax));
        }
        EXPECT_EQ(lines[36], std::to_string(kTypedJanuaryAfter));
        EXPECT_EQ(lines[36 + 11],
                  std::to_string(c.month == 1 ? kTypedJanuaryAfter : knownMonth(c.month).after));
        EXPECT_EQ(box(120), amount(payTotal));
        // The month totals save, and the copy saves once more.
        EXPECT_EQ(eventsOf(Kind::Press),
                  (std::vector<QString>{"Form4.Command1", "Form5.Command3", "Form4.Command1",
                                        "Form5.Command3"}));
    }
}

TEST_F(CopyEarlyMonths, JanuaryWithAnEmptyAfterInsuranceBoxSpreadsZero) {
    openKnownLedger();
    type(ledgerRowBoxes(1).afterInsurance, "");
    click("Form2", "Command24");
    for (int k = 2; k <= 12; ++k) EXPECT_EQ(box(ledgerRowBoxes(k).afterInsurance), "") << k;
    const auto lines = readLines(ledgerPath(1, 2));
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(lines[36 + k - 1], "0") << k;
    EXPECT_EQ(box(ledgerRowBoxes(12).pay), "250,000");
}

TEST_F(CopyEarlyMonths, NoPersonOrAPersonCodeWithoutALedgerIsRefusedAndNothingIsWritten) {
    click("Form2", "Command25");  // nothing loaded yet
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);

    // Person 102 of company 1 would share its file with person 2 of company 2.
    writeBytes(ledgerPath(2, 2), goldenBytes("ledger_1020.txt"));
    openLedger(1, 102);
    ASSERT_EQ(dialogs->messages.size(), 2u);  // the load refuses the code
    EXPECT_TRUE(dialogs->messages[1].prompt.contains("1 から 99"));
    click("Form2", "Command24");
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_EQ(readBytes(ledgerPath(2, 2)), goldenBytes("ledger_1020.txt"));
}

}  // namespace
}  // namespace nencho::test
