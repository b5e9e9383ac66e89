// Pay statements: the 給与明細 buttons of the ledger and the window they fill.
#include "common/amount.h"
#include "common/paths.h"
#include "ledger/ledger_grid.h"
#include "ledger/ui/form2_controls.h"
#include "ledger_screen_test.h"

namespace nencho::test {
namespace {

constexpr int kMonth = 4;
const QString kChanged = "給与データが変更されました。";

std::vector<std::string> payRecordLines(int month) {
    return readLines(*monthlyPayRecordPath("H17", 102, month));
}

class PayStatements : public LedgerScreenTest {
  protected:
    void SetUp() override {
        LedgerScreenTest::SetUp();
        openLedger(1, 2);
    }

    // A month's pay typed and computed automatically, as the user does it from the ledger.
    void compute(int month, const QString& pay) {
        type(ledgerRowBoxes(month).pay, pay);
        click("Form2", form2::monthComputeButton(month));
        screens::press("Form8", "Command1");
    }
    void showStatement(int month) { click("Form2", form2::payStatementButton(month)); }

    Screen& statement() { return screens::touch("Form10"); }
    QString shown(int row) { return statement().textOf(QString("Text%1").arg(row)); }
    std::int32_t shownAmount(int row) { return readAmountOrZero(shown(row).toStdString()); }
};

TEST_F(PayStatements, AComputedMonthShowsItsRecord) {
    struct Case {
        const char* ticked;  // a check box of the monthly calculation screen, or none
        bool withHealth;
        bool withEmployment;
    };
    const Case cases[] = {
        {nullptr, true, false}, {"chkKoho", true, true}, {"chkKenkou", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticked ? c.ticked : "none");
        if (&c != cases) {
            TearDown();
            SetUp();
        }
        if (c.ticked) screens::setCheck("Form8", c.ticked, true);
        compute(kMonth, "300,000");
        showStatement(kMonth);

        EXPECT_TRUE(dialogs->messages.empty());
        EXPECT_TRUE(statement().isVisible());
        EXPECT_EQ(statement().textOf("Text15"), "4");
        const auto record = payRecordLines(kMonth);
        for (int row = 1; row <= 7; ++row)
            EXPECT_EQ(shown(row), QString::fromStdString(
                                      formatAmount(std::stoi(record[static_cast<size_t>(row)]))))
                << row;
        EXPECT_EQ(shown(1), "300,000");
        EXPECT_EQ(shown(2).isEmpty(), !c.withHealth);
        EXPECT_EQ(shown(4).isEmpty(), !c.withEmployment);
        EXPECT_EQ(shownAmount(6),
                  shownAmount(2) + shownAmount(3) + shownAmount(4) + shownAmount(5));
        EXPECT_EQ(shownAmount(7), shownAmount(1) - shownAmount(6));
    }
}

TEST_F(PayStatements, AMonthWithoutARecordShowsTheMonthsMessageAndNoWindow) {
    compute(kMonth, "300,000");
    click("Form2", form2::copyButton(kMonth));  // May gets April's line, but no record
    for (int month : {5, 12}) {
        dialogs->messages.clear();
        showStatement(month);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title,
                  QString::number(month) + "月分のデータは保存されていません");
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
        // The clerk is told of the month, not of the file the record would be.
        EXPECT_EQ(dialogs->messages[0].prompt,
                  "給与明細 " + QString::number(month) + "月のデータはありません");
    }
    EXPECT_EQ(ScreenRegistry::instance().existing("Form10"), nullptr);
}

TEST_F(PayStatements, AMonthChangedSinceItsRecordSaysSoAndKeepsTheWindowAsItWas) {
    struct Change {
        const char* what;
        std::function<void()> apply;
    };
    const Change changes[] = {
        {"new pay handed on, not computed",
         [this] {
             type(ledgerRowBoxes(kMonth).pay, "310,000");
             click("Form2", form2::monthComputeButton(kMonth));
         }},
        {"social insurance entered by hand",
         [this] {
             click("Form2", form2::monthComputeButton(kMonth));
             screens::write("Form8", "Text1", "1");
             screens::press("Form8", "Command2");
         }},
        {"tax typed, then the month totals",
         [this] {
             type(ledgerRowBoxes(kMonth).tax, "1");
             ledger().press("Command17");
         }},
        {"an earlier month copied over it",
         [this] {
             compute(kMonth - 1, "280,000");
             click("Form2", form2::copyButton(kMonth - 1));
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        if (&change != changes) {
            TearDown();
            SetUp();
        }
        compute(kMonth, "300,000");
        showStatement(kMonth);
        ASSERT_TRUE(dialogs->messages.empty());
        change.apply();
        dialogs->messages.clear();
        showStatement(kMonth);

        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].prompt, kChanged);
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::None);
        EXPECT_EQ(shown(1), "300,000");
    }
}

TEST_F(PayStatements, CodesThatNameNoLedgerAreTheMonthsFailure) {
    compute(kMonth, "300,000");
    struct Case {
        const char* company;
        const char* person;
        const char* prompt;
    };
    const Case cases[] = {{"", "2", "会社と個人を選んでから給与明細を押してください"},
                          {"1", "x", "会社と個人を選んでから給与明細を押してください"},
                          {"1", "150", "個人コードは 1 から 99 までです。"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.person);
        dialogs->messages.clear();
        ledger().setTextOf("Text161", c.company);
        ledger().setTextOf("Text162", c.person);
        showStatement(kMonth);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title, "4月分のデータは保存されていません");
        EXPECT_EQ(dialogs->messages[0].prompt, c.prompt);
    }
    EXPECT_EQ(ScreenRegistry::instance().existing("Form10"), nullptr);
}

TEST_F(PayStatements, ConfirmReturnsToTheLedger) {
    compute(kMonth, "300,000");
    showStatement(kMonth);
    ASSERT_TRUE(statement().isVisible());
    clearEvents();
    click("Form10", "Command1");
    EXPECT_FALSE(statement().isVisible());
    EXPECT_EQ(eventsOf(ScreenEvent::Kind::Show), (std::vector<QString>{"Form2"}));
}

}  // namespace
}  // namespace nencho::test
