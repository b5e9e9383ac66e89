// The working loop of a payroll month as the clerk goes through it: the pay typed into the
// ledger, Enter, the calculation, and the row written back, totalled and saved.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

class LedgerLoopTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ensureDataTree("H17");
        openLedgerOf("1", "2");
    }

    static void typeAndEnter(const QString& box, const QString& text) {
        auto* field = screens::touch("Form2").control<QLineEdit>(box);
        field->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(field, &enter);
    }

    static LedgerRecord storedLedger() {
        return readLedgerFile(*ledgerFilePath("H17", LedgerOwner{1, 2}));
    }
};

TEST_F(LedgerLoopTest, JanuaryTypedInTheLedgerIsComputedWrittenBackAndSaved) {
    typeAndEnter("Text12", "250000");
    Screen& month = screens::touch("Form8");
    ASSERT_TRUE(month.isVisible());
    month.press("Command1");

    EXPECT_FALSE(month.isVisible());
    QStringList row;
    for (int box : {12, 13, 14, 15, 16, 18})
        row << screens::read("Form2", QString("Text%1").arg(box));
    EXPECT_EQ(row, (QStringList{"250,000", "28,314", "221,686", "", "8,680", "8,680"}));

    const LedgerRecord stored = storedLedger();
    EXPECT_EQ(stored.sheet.cell(1, LedgerColumn::Pay), 250000);
    EXPECT_EQ(stored.sheet.cell(1, LedgerColumn::SocialInsurance), 28314);
    EXPECT_EQ(stored.sheet.cell(1, LedgerColumn::Tax), 8680);
    EXPECT_EQ(stored.sheet.cell(18, LedgerColumn::Pay), 250000);  // the grand total
    EXPECT_TRUE(exists(*monthlyPayRecordPath("H17", 102, 1)));
    // The year-end sheet received the totals of the save.
    EXPECT_EQ(screens::read("Form3", "Text25"), "250,000");
    EXPECT_TRUE(dialogs->messages.empty());
}

// Handed a month, the calculation screen starts on 介護保険なし however its last use ended: a
// digit typed on goes nowhere (the month stays), the space bar computes.
TEST_F(LedgerLoopTest, TheCalculationScreenOpensOnItsFirstComputingButtonEachTime) {
    enum class Then { End, LeaveInTheMonthBox, Compute };
    struct Case {
        const char* payBox;
        QString month;
        Then then;
    };
    const Case cases[] = {
        {"Text12", "1", Then::End},
        {"Text21", "2", Then::LeaveInTheMonthBox},
        {"Text30", "3", Then::Compute},  // handed in while still open for month 2
        {"Text39", "4", Then::Compute},
    };
    Screen& month = screens::touch("Form8");
    for (const Case& c : cases) {
        typeAndEnter(c.payBox, "250000");
        ASSERT_TRUE(month.isVisible()) << c.payBox;
        // The window shown takes the keys, as a window manager gives them to it.
        QApplication::setActiveWindow(&month);
        EXPECT_EQ(QApplication::focusWidget(), month.controlWidget("Command1")) << c.payBox;
        QTest::keyClicks(QApplication::focusWidget(), "2");
        EXPECT_EQ(month.textOf("Text3"), c.month);
        switch (c.then) {
            case Then::End:
                click("Form8", "Command4");
                break;
            case Then::LeaveInTheMonthBox:
                tabInto(month.controlWidget("Text3"));
                break;
            case Then::Compute:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                EXPECT_FALSE(month.isVisible());
                EXPECT_EQ(storedLedger().sheet.cell(c.month.toInt(), LedgerColumn::Tax), 8680);
                break;
        }
    }
}

TEST_F(LedgerLoopTest, ABonusTypedInTheLedgerGoesThroughTheBonusScreen) {
    screens::setCheck("Form9", "chkKenkou", true);
    screens::setCheck("Form9", "chkKoho", true);
    screens::setOption("Form9", "optFu2", true);
    typeAndEnter("Text129", "500000");
    Screen& bonus = screens::touch("Form9");
    ASSERT_TRUE(bonus.isVisible());
    bonus.setTextOf("Text1", "300000");
    bonus.press("Command1");

    EXPECT_EQ(storedLedger().sheet.cell(14, LedgerColumn::Tax), 29790);
    EXPECT_EQ(screens::read("Form2", "Text133"), "29,790");
    EXPECT_TRUE(dialogs->messages.empty());
}

}  // namespace
}  // namespace nencho::test
