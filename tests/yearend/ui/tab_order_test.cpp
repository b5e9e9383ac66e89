// Tab runs through the year-end screens in reading order: along a row, then down to the next,
// through the boxes and the buttons that act, never through a caption.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "platform/ui/screen.h"
#include "support/screen_test.h"
#include "yearend/ui/form16_controls.h"
#include "yearend/ui/form4_boxes.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"
#include "yearend/ui/form5_sheet.h"

namespace nencho::test {
namespace {

class TabOrderTest : public ScreenTest {
  protected:
    // The controls Tab reaches from the one named, as many as expected.
    static QStringList tabsFrom(const QString& form, const QString& first, qsizetype count) {
        Screen& screen = screens::touch(form);
        screens::show(form);
        tabInto(screen.controlWidget(first));
        QStringList reached{QApplication::focusWidget()->objectName()};
        while (reached.size() < count) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        return reached;
    }
};

QStringList rowOf(const form5::TableRow& row, bool withIncome) {
    QStringList boxes{row.name,         row.relation,   row.birthDate,
                      row.markerButton, row.occupation, row.address};
    if (withIncome) boxes << row.annualIncome;
    return boxes << row.other;
}

TEST_F(TabOrderTest, TheDependantsSheetRunsAlongEachRowOfTheTableThenDown) {
    using namespace form5;
    // The spouse's annual income is typed but never stored: it still takes input.
    const QStringList expected = rowOf(kSpouseRow, true) + rowOf(kDependantTableRows[0], true) +
                                 rowOf(kDependantTableRows[1], true);
    EXPECT_EQ(tabsFrom(kForm, kSpouseRow.name, expected.size()), expected);
}

TEST_F(TabOrderTest, TheDependantsSheetsGridRunsAlongItsRowsPastItsHeadings) {
    using namespace form5;
    // Row 1: the person's and the spouse's marks, the typed count; the total is computed.
    const GridRow& first = kGridRows[0];
    const GridRow& second = kGridRows[1];
    const QStringList expected{first.person->button,  first.spouse->button,  first.typedCount,
                               second.person->button, second.spouse->button, second.typedCount};
    EXPECT_EQ(tabsFrom(kForm, first.person->button, expected.size()), expected);
}

TEST_F(TabOrderTest, TheInsuranceScreenRunsAlongEachPolicyRowThenDown) {
    using namespace form4;
    QStringList expected;
    for (const LifeRowBoxes& row : {kLifeRows[0], kLifeRows[1]})
        for (int number : {row.insurer, row.kind, row.period, row.holder, row.beneficiary,
                           row.relation, row.amount})
            expected << box(number);
    EXPECT_EQ(tabsFrom(kForm, expected.front(), expected.size()), expected);

    expected.clear();
    for (const CasualtyRowBoxes& row : kCasualtyRows)
        for (int number : {row.insurer, row.kind, row.period, row.holder, row.resident,
                           row.relation, row.maturity, row.premium})
            expected << box(number);
    EXPECT_EQ(tabsFrom(kForm, expected.front(), expected.size()), expected);
}

// The totals and the deductions are the screen's own: Tab goes from the last life policy to the
// first pension policy and from the last pension policy to the casualty policies, and a click
// into a total and a key typed there change nothing.
TEST_F(TabOrderTest, TheInsuranceScreensTotalsTakeNeitherTabNorTyping) {
    using namespace form4;
    const LifeRowBoxes& lastLife = kLifeRows[2];
    QStringList expected{box(lastLife.relation), box(lastLife.amount)};
    for (const LifeRowBoxes& row : kPensionRows)
        for (int number : {row.insurer, row.kind, row.period, row.holder, row.beneficiary,
                           row.relation, row.amount})
            expected << box(number);
    expected << box(kCasualtyRows[0].insurer);
    EXPECT_EQ(tabsFrom(kForm, expected.front(), expected.size()), expected);

    Screen& screen = screens::touch(kForm);
    for (int number : {kLifeTotalBox, kPensionTotalBox, kLifeDeductionBox, kCasualtyDeductionBox,
                       kLedgerInsuranceBoxNumber}) {
        auto* total = screen.control<QLineEdit>(box(number));
        total->setText("1,000");
        QTest::mouseClick(total, Qt::LeftButton);
        QTest::keyClicks(total, "9");
        QTest::keyClick(total, Qt::Key_Backspace);
        EXPECT_EQ(total->text(), "1,000") << number;
    }
    // The premiums typed below the policies still take typing.
    for (int number : {kLongTermBox, kShortTermBox, kDeclaredSocialInsuranceBox, kMutualAidBox}) {
        auto* typed = screen.control<QLineEdit>(box(number));
        typed->clear();
        QTest::keyClicks(typed, "12");
        EXPECT_EQ(typed->text(), "12") << number;
    }
}

TEST_F(TabOrderTest, TheSpouseAndHousingScreenPassesItsCaptionButtons) {
    using namespace form16;
    // The reading, the name, the income; the frame beside them (the pay and its computation);
    // the deduction, which its button computes; the housing-loan credit; the buttons below.
    const QStringList expected{
        kReadingBox,          kNameBox,         kIncomeBox,    kPayBox,
        kIncomeFromPayButton, kDeductionButton, kDeductionBox, kHousingLoanBox,
        kLoadButton,          kClearButton,     kSaveButton,   kReadingBox};
    EXPECT_EQ(tabsFrom(kForm, kReadingBox, expected.size()), expected);
}

}  // namespace
}  // namespace nencho::test
