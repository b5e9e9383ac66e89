#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "app/ui/main_menu_fixture.h"
#include "summary/summary_fixture.h"
#include "summary/ui/form13_controls.h"
#include "support/screen_test.h"

namespace nencho {
namespace {

using namespace form13;

// The grid's amount boxes of ledger rows 1 to 18, as the screen's design names them.
const std::pair<const char*, const char*> kRowBoxes[] = {
    {"Text12", "Text16"},   {"Text21", "Text25"},   {"Text30", "Text34"},   {"Text39", "Text43"},
    {"Text48", "Text52"},   {"Text57", "Text61"},   {"Text66", "Text70"},   {"Text75", "Text79"},
    {"Text84", "Text88"},   {"Text93", "Text97"},   {"Text102", "Text106"}, {"Text111", "Text115"},
    {"Text120", "Text124"}, {"Text129", "Text133"}, {"Text138", "Text142"}, {"Text147", "Text151"},
    {"Text154", "Text158"}, {"Text165", "Text169"}};
const char* const kHalfYearBoxes[] = {"Text6", "Text5", "Text9", "Text8"};
// Nothing ever writes the day cells nor the bonus rows' month cells.
const char* const kNeverWritten[] = {"Text11",  "Text20",  "Text29",  "Text38",  "Text47",
                                     "Text56",  "Text65",  "Text74",  "Text83",  "Text92",
                                     "Text101", "Text110", "Text127", "Text128", "Text136",
                                     "Text137", "Text145", "Text146"};

QString yen(std::int64_t amount) {
    return QString::fromStdString(formatAmount(amount));
}

class SummaryScreenTest : public test::ScreenTest {
  protected:
    Screen& form() { return screens::touch(kForm); }
    QString cell(const char* box) { return screens::read(kForm, box); }

    // What the main menu does before it shows the table.
    void run(const QString& year, const QString& company) {
        screens::write(kForm, kYearBox, year);
        screens::write(kForm, kCompanyBox, company);
        screens::press(kForm, kYearButton);
        screens::press(kForm, kSumButton);
    }

    // Every figure the table shows, in a fixed order.
    QStringList figures() {
        QStringList shown;
        for (const auto& [pay, tax] : kRowBoxes) shown << cell(pay) << cell(tax);
        for (const char* box : kHalfYearBoxes) shown << cell(box);
        shown << cell("Text41") << cell("Label1");
        return shown;
    }

    bool allFiguresEmpty() {
        for (const QString& text : figures())
            if (!text.isEmpty()) return false;
        return true;
    }

    QColor background(const char* box) {
        return form().controlWidget(box)->palette().color(QPalette::Base);
    }
};

TEST_F(SummaryScreenTest, LayoutCaptionsColoursAndHiddenControls) {
    Screen& screen = form();
    EXPECT_EQ(screen.windowTitle(), "集計表");
    const std::pair<const char*, const char*> captions[] = {{"Text1", "月"},
                                                            {"Text2", "日"},
                                                            {"Text3", "給与支給額"},
                                                            {"Text7", "源泉所得税額"},
                                                            {"Text37", "1"},
                                                            {"Text31", "6"},
                                                            {"Text24", "10"},
                                                            {"Text22", "12"},
                                                            {"Text118", "合  計"},
                                                            {"Text119", "合  計"},
                                                            {"Text163", "総  計"},
                                                            {"Text18", "１月から６月までの計"},
                                                            {"Text14", "給与支給額"},
                                                            {"Text13", "源泉所得税額"},
                                                            {"Text19", "７月から１２月までの計"},
                                                            {"Text17", "給与支給額"},
                                                            {"Text15", "源泉所得税額"},
                                                            {"Text40", "年末調整の超過"},
                                                            {"Text42", "・不足の合計額"},
                                                            {"Command37", "END"},
                                                            {"Command5", "集計"},
                                                            {"Command29", "6"},
                                                            {"Command35", "12"}};
    for (const auto& [box, caption] : captions) EXPECT_EQ(screen.textOf(box), caption) << box;

    screen.show();
    for (const char* hidden :
         {"Text10", "Text161", "Text162", "Command36", "Command5", "Command29", "Command35"})
        EXPECT_FALSE(screen.controlWidget(hidden)->isVisible()) << hidden;
    for (const char* shown : {"Text4", "Text41", "Command37", "Text12", "Text169"})
        EXPECT_TRUE(screen.controlWidget(shown)->isVisible()) << shown;

    const QColor grey(224, 224, 224), orange(255, 224, 192), cyan(192, 255, 255),
        green(192, 255, 192);
    const std::pair<const char*, QColor> colours[] = {
        {"Text3", grey},     {"Text12", grey},  {"Text61", grey},   {"Text6", grey},
        {"Text18", grey},    {"Text129", grey}, {"Text146", grey},  {"Text66", orange},
        {"Text115", orange}, {"Text9", orange}, {"Text19", orange}, {"Text120", cyan},
        {"Text158", cyan},   {"Text163", cyan}, {"Text4", cyan},    {"Text40", green},
        {"Text41", green}};
    for (const auto& [box, colour] : colours) EXPECT_EQ(background(box), colour) << box;
}

TEST_F(SummaryScreenTest, FixtureCompanyShowsRowsHalfYearsAndTheNetBalanceOfItsPersons) {
    test::storeFixtureCompany();
    run("H17", "5");

    for (int row = 1; row <= kLedgerRows; ++row) {
        EXPECT_EQ(cell(kRowBoxes[row - 1].first), yen(test::fixturePay(row))) << row;
        EXPECT_EQ(cell(kRowBoxes[row - 1].second), yen(test::fixtureTax(row))) << row;
    }
    EXPECT_EQ(cell("Text6"), "666,105");
    EXPECT_EQ(cell("Text5"), "6,765");
    EXPECT_EQ(cell("Text9"), "666,285");
    EXPECT_EQ(cell("Text8"), "6,945");
    EXPECT_EQ(cell("Text41"), "-23,400");  // a net excess, with its minus sign
    EXPECT_EQ(cell("Label1"), "5 人分");
    for (const char* box : kNeverWritten) EXPECT_EQ(cell(box), "") << box;
    EXPECT_TRUE(dialogs->messages.empty());

    // A second run over the same records shows the same figures: nothing accumulates.
    const QStringList first = figures();
    run("H17", "5");
    EXPECT_EQ(figures(), first);
}

TEST_F(SummaryScreenTest, ABalanceOfZeroShowsAnEmptyTotalBesideThePersonsItCovers) {
    test::storeBalance("H17", 5, 1, 0, AdjustmentStatus::NotAdjusted);
    test::storeBalance("H17", 5, 2, 0);
    run("H17", "5");
    EXPECT_EQ(cell("Text41"), "");
    EXPECT_EQ(cell("Label1"), "2 人分");
    run("H17", "8");  // a company without records
    EXPECT_EQ(cell("Label1"), "0 人分");
    EXPECT_TRUE(dialogs->messages.empty());
}

// A run that cannot be made says why under the action's title and leaves no figure of the
// run before it.
TEST_F(SummaryScreenTest, RunsThatCannotBeMadeSaySoAndShowNoFigures) {
    test::storeFixtureCompany();
    struct Case {
        QString year;
        QString company;
        QString message;
    };
    const Case cases[] = {{"H17", "", "会社を選んでから「集計表」を押してください。"},
                          {"H17", "abc", "会社を選んでから「集計表」を押してください。"},
                          {"H17", "40000", "会社を選んでから「集計表」を押してください。"},
                          {"", "5", "作業年度が決まっていないため、集計できません。"}};
    for (const Case& c : cases) {
        run("H17", "5");
        ASSERT_FALSE(allFiguresEmpty());
        dialogs->messages.clear();
        run(c.year, c.company);
        EXPECT_TRUE(allFiguresEmpty()) << c.company.toStdString();
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].prompt, c.message);
        EXPECT_EQ(dialogs->messages[0].title, "集計");
    }
}

TEST_F(SummaryScreenTest, ASumBeyondThirtyTwoBitsIsReportedAndNoFigureIsShown) {
    test::storeFixtureCompany();
    run("H17", "5");
    test::storeBalance("H17", 5, 97, 100'000);
    test::storeBalance("H17", 5, 98, 2'147'483'647);
    run("H17", "5");
    EXPECT_TRUE(allFiguresEmpty());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt,
              "年末調整の超過・不足の合計額が扱える金額の範囲を超えるため、集計できません。");
    EXPECT_EQ(dialogs->messages[0].title, "集計");
}

TEST_F(SummaryScreenTest, UnreadableRecordsAreNamedAfterTheOthersAreShown) {
    test::storeFixtureCompany();
    test::writeLines(*ledgerFilePath("H17", {5, 3}), {"1", "x"});
    run("H17", "5");
    EXPECT_EQ(cell("Text12"), yen(test::fixturePay(1) - 3'001));
    EXPECT_EQ(cell("Text41"), "-23,400");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("個人コード 3 の源泉徴収簿"));
    EXPECT_EQ(dialogs->messages[0].title, "集計");
}

TEST_F(SummaryScreenTest, EndBeepsAndEndsTheProgram) {
    screens::show(kForm);
    test::click(kForm, "Command37");
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(programEnds, 1);
}

class SummaryFromMainMenuTest : public test::MainMenuTest {};

// The main menu fills the boxes; after the close box the table keeps them, so the next 集計表
// reads the current year and company.
TEST_F(SummaryFromMainMenuTest, TheMenuButtonRunsTheTableOfTheChosenCompanyAlsoAfterClosing) {
    writeCompany(5, "五社");
    test::storeFixtureCompany();
    choose("List1", 0);
    click("Command20");
    Screen& table = screens::touch(kForm);
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.textOf(kCompanyNameBox), "五社");
    EXPECT_EQ(table.textOf("Text12"), yen(test::fixturePay(1)));

    table.close();
    screens::setOption("Form1", "Option2", true);  // 平成14年
    click("Command20");
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.textOf(kCompanyNameBox), "五社");
    EXPECT_EQ(table.textOf("Text12"), "5,001");  // person 5's ledger of H14
    EXPECT_EQ(table.textOf("Label1"), "0 人分");
    EXPECT_TRUE(dialogs->messages.empty());
}

}  // namespace
}  // namespace nencho
