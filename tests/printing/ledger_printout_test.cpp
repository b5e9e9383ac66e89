#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "common/amount.h"
#include "form_fit.h"
#include "platform/recording_page.h"
#include "printed_texts.h"
#include "printing/page_images.h"
#include "printing/printouts.h"
#include "printout_fixture.h"

namespace nencho {
namespace {

using Kind = PrintOperation::Kind;
using test::addAmount;
using test::addText;
using test::expectSame;
using test::kHalfEm;
using test::number;
using test::Placed;
using test::placedTexts;

// The ledger page as the form's tables give it, in the order it is printed.
std::vector<Placed> expectedLedger(const PrintData& d) {
    std::vector<Placed> t;
    // The header.
    addText(t, "平", 24, 29, 12);
    addText(t, "成", 24, 34, 12);
    addText(t, "17", 24, 39, 12);
    addText(t, d.personAddress1, 115, 12, 11);
    addText(t, d.personAddress2, 115, 16, 11);
    addText(t, d.personName, 211, 13, 11);
    addText(t, d.personReading, 211, 10, 7);
    addText(t, d.birthEra, 217, 17, 9);
    addText(t, number(d.birthYear), 224, 17, 9);
    addText(t, number(d.birthMonth), 231, 17, 9);
    addText(t, number(d.birthDay), 237, 17, 9);
    // Months and dates.
    for (int m = 1; m <= 12; ++m) {
        addText(t, number(m), m <= 9 ? 42 : 41, 23 + 10 * m, 11);
        addText(t, d.payDateTexts[m], 48, 23 + 10 * m, 11);
    }
    for (int b = 1; b <= 3; ++b) {
        addText(t, d.payDateTexts[11 + 2 * b], 43, 158 + 5 * b, 11);
        addText(t, d.payDateTexts[12 + 2 * b], 48, 158 + 5 * b, 11);
    }
    // The rows: pay, social insurance, after social insurance, dependants, tax, tax again.
    std::vector<std::pair<int, double>> rows;
    for (int m = 1; m <= 12; ++m) rows.push_back({m, 23.0 + 10 * m});
    rows.push_back({13, 156});
    for (int b = 1; b <= 3; ++b) rows.push_back({13 + b, 158.0 + 5 * b});
    rows.push_back({17, 193});
    const std::pair<LedgerColumn, double> columns[] = {{LedgerColumn::Pay, 71},
                                                       {LedgerColumn::SocialInsurance, 88},
                                                       {LedgerColumn::AfterInsurance, 108},
                                                       {LedgerColumn::Dependants, 117},
                                                       {LedgerColumn::Tax, 133},
                                                       {LedgerColumn::Tax, 163}};
    for (const auto& [row, y] : rows)
        for (const auto& [column, edge] : columns)
            addAmount(t, d.printLedgerTable.cell(row, column), edge, y);
    // The year-end block: the amount column, then the tax column.
    const AdjustmentResult& r = d.adjustmentResult;
    const std::pair<int, double> amountColumn[] = {
        {1, 70},   {2, 75},   {3, 80},   {7, 85},   {8, 90},   {9, 95},  {10, 100},
        {11, 105}, {12, 110}, {13, 115}, {14, 120}, {16, 125}, {17, 133}};
    for (const auto& [value, y] : amountColumn) addAmount(t, r.at(value), 241, y);
    addAmount(t, d.printLedgerTable.cell(13, LedgerColumn::Tax), 276, 71);
    const std::pair<int, double> taxColumn[] = {{5, 75},   {6, 80},   {21, 133}, {22, 138},
                                                {23, 143}, {29, 148}, {30, 154}};
    for (const auto& [value, y] : taxColumn) addAmount(t, r.at(value), 276, y);
    addAmount(t, std::llabs(r.at(24)), 276, 160);
    if (r.at(24) >= 0) addText(t, "＝＝＝＝", 186, 159, 11);
    if (r.at(24) <= 0) addText(t, "＝＝＝＝", 216, 159, 11);
    // The notes beside the block.
    addAmount(t, std::max(0, d.spouseHousingAmounts[3]), 275, 89);
    addAmount(t, d.lifePensionAmounts[8], 275, 96);
    addAmount(t, d.casualtyAmounts[3], 275, 104);
    addAmount(t, d.mutualAidPremiums, 275, 115);
    return t;
}

RecordingPage printed(const PrintData& data) {
    RecordingPage page;
    printWithholdingLedger(page, data);
    return page;
}

TEST(LedgerPrintout, PrintsEveryBoxWhereTheFormsTablesPlaceItInTheirOrder) {
    for (std::int32_t balance : {-61'880, 0, 45'600}) {
        SCOPED_TRACE(balance);
        const PrintData data = test::fullPrintData(balance);
        expectSame(placedTexts(printed(data)), expectedLedger(data));
    }
}

TEST(LedgerPrintout, StrikesTheWordOfTheBalanceThatDoesNotApply) {
    struct Case {
        std::int32_t balance;
        bool excessStruck;
        bool shortfallStruck;
        const char* printed;
    };
    const Case cases[] = {{45'600, true, false, "45,600"},
                          {0, true, true, nullptr},
                          {-61'880, false, true, "61,880"},
                          {-2'147'483'647 - 1, false, true, "2,147,483,648"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.balance);
        const auto texts = placedTexts(printed(test::fullPrintData(c.balance)));
        auto at = [&](double x, double y) {
            return std::any_of(texts.begin(), texts.end(), [&](const Placed& p) {
                return p.text == "＝＝＝＝" && p.x == x && p.y == y;
            });
        };
        EXPECT_EQ(at(186, 159), c.excessStruck);
        EXPECT_EQ(at(216, 159), c.shortfallStruck);
        // On the line at 160, or centred on it when too long for the box at 11 points.
        const auto balanceBox = std::find_if(texts.begin(), texts.end(), [](const Placed& p) {
            return std::abs(p.y + p.points * kMillimetresPerPoint / 2 -
                            (160 + 11 * kMillimetresPerPoint / 2)) < 1e-9;
        });
        if (c.printed) {
            ASSERT_NE(balanceBox, texts.end());
            EXPECT_EQ(balanceBox->text, c.printed);
        } else {
            EXPECT_EQ(balanceBox, texts.end());
        }
    }
}

TEST(LedgerPrintout, AmountsEndAtTheirRightEdgeLessTheBlankTheyAreMeasuredWith) {
    // Month 1's pay against the right edge 71: the measure counts one blank (or the minus sign)
    // where the printed amount has one comma per three digits.
    struct Case {
        std::int32_t amount;
        const char* printed;
        double endPastEdgeInCharacters;
    };
    const Case cases[] = {{7, "7", -1},
                          {123, "123", -1},
                          {1'234, "1,234", 0},
                          {123'456, "123,456", 0},
                          {1'234'567, "1,234,567", 1},
                          {-5, "-5", 0},
                          {-1'234, "-1,234", 1},
                          {-123'456, "-123,456", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        PrintData data;
        data.printLedgerTable.setCell(1, LedgerColumn::Pay, c.amount);
        const auto texts = placedTexts(printed(data));
        const auto pay = std::find_if(texts.begin(), texts.end(), [](const Placed& p) {
            return p.y == 33 && p.x > 50 && p.x < 72;
        });
        ASSERT_NE(pay, texts.end());
        EXPECT_EQ(pay->text, c.printed);
        const double end = pay->x + std::string(c.printed).size() * kHalfEm;
        EXPECT_NEAR(end - 71, c.endPastEdgeInCharacters * kHalfEm, 1e-9);
    }
}

TEST(LedgerPrintout, TheTaxStandsUnderItsColumnWhereNoRateMarkIsPrintedBesideIt) {
    // A six-digit tax reaches past where the bonus rows' printed ％ ends: only those rows move
    // it right of the mark; every other row, the two totals too, ends it at the column's edge.
    struct Case {
        int row;
        double y;
        double x;
    };
    const double atItsEdge = 133 - 7 * kHalfEm;
    const double rightOfTheRateMark = 120.1 + 0.5;
    const Case cases[] = {{1, 33, atItsEdge},
                          {12, 143, atItsEdge},
                          {kMonthTotalRow, 156, atItsEdge},
                          {bonusRow(1), 163, rightOfTheRateMark},
                          {bonusRow(3), 173, rightOfTheRateMark},
                          {kBonusTotalRow, 193, atItsEdge}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        PrintData data = test::fullPrintData();
        data.printLedgerTable.setCell(c.row, LedgerColumn::Tax, 102'960);
        const RecordingPage page = printed(data);
        const PrintOperation& tax = test::textAt(page, "102,960", c.y);
        EXPECT_NEAR(tax.x, c.x, 1e-9);
        EXPECT_EQ(tax.fontSize, 11);
    }
}

TEST(LedgerPrintout, APersonWithoutYearEndResultGetsOnlyBoxThreeTheNotesAndBothWordsStruck) {
    PrintData data = test::fullPrintData();
    data.adjustmentResult = AdjustmentResult{};
    std::vector<Placed> block;
    for (const Placed& p : placedTexts(printed(data)))
        if (p.x > 166 && p.y > 60) block.push_back(p);
    std::vector<Placed> expected;
    addAmount(expected, 72'780, 276, 71);
    addText(expected, "＝＝＝＝", 186, 159, 11);
    addText(expected, "＝＝＝＝", 216, 159, 11);
    addAmount(expected, 620'000, 275, 89);
    addAmount(expected, 120'000, 275, 96);
    addAmount(expected, 30'000, 275, 104);
    addAmount(expected, 60'000, 275, 115);
    expectSame(block, expected);
}

TEST(LedgerPrintout, EmptyPrintDataPrintsTheYearMonthNumbersAndBirthPlacesOnly) {
    std::vector<Placed> expected;
    addText(expected, "平", 24, 29, 12);
    addText(expected, "成", 24, 34, 12);
    addText(expected, "17", 24, 39, 12);
    addText(expected, " 0", 224, 17, 9);
    addText(expected, " 0", 231, 17, 9);
    addText(expected, " 0", 237, 17, 9);
    for (int m = 1; m <= 12; ++m) addText(expected, number(m), m <= 9 ? 42 : 41, 23 + 10 * m, 11);
    addText(expected, "＝＝＝＝", 186, 159, 11);
    addText(expected, "＝＝＝＝", 216, 159, 11);
    expectSame(placedTexts(printed(PrintData{})), expected);
}

TEST(LedgerPrintout, TheSpouseIncomeNoteShowsTheIncomeNeverBelowZero) {
    // The spouse special deduction (line 4) stays in box ⑮ only.
    const std::pair<std::int32_t, const char*> cases[] = {
        {620'000, "620,000"}, {0, nullptr}, {-50'000, nullptr}};
    for (const auto& [income, shown] : cases) {
        SCOPED_TRACE(income);
        PrintData data = test::fullPrintData();
        data.spouseHousingAmounts[3] = income;
        const auto texts = placedTexts(printed(data));
        const auto note =
            std::find_if(texts.begin(), texts.end(), [](const Placed& p) { return p.y == 89; });
        if (shown) {
            ASSERT_NE(note, texts.end());
            EXPECT_EQ(note->text, shown);
        } else {
            EXPECT_EQ(note, texts.end());
        }
    }
}

// The page image is drawn so that the data lands in its boxes.

TEST(LedgerForm, EveryPrintedTextLiesInABoxWithoutTouchingARuleOrACaption) {
    const FormDrawing& form = *pageImageForm(kLedgerImage);
    std::vector<PrintData> pages;
    for (std::int32_t balance : {-61'880, 0, 45'600}) pages.push_back(test::fullPrintData(balance));
    // A six-digit tax in every row, beside the bonus rows' ％ too.
    pages.push_back(test::fullPrintData());
    for (int row = 1; row <= kBonusTotalRow; ++row)
        pages.back().printLedgerTable.setCell(row, LedgerColumn::Tax, 102'960);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        const RecordingPage page = printed(pages[i]);
        const auto misplaced =
            test::misplacedTexts(form, page.operationsOf(Kind::Text), {"超過額", "不足額"});
        EXPECT_TRUE(misplaced.empty()) << ::testing::PrintToString(misplaced);
    }
}

TEST(LedgerForm, TheStrikeMarksCoverTheirWords) {
    const FormDrawing& form = *pageImageForm(kLedgerImage);
    const RecordingPage page = printed(test::fullPrintData(0));
    const auto strikes = page.operationsOf(Kind::Text);
    const std::pair<double, const char*> words[] = {{186, "超過額"}, {216, "不足額"}};
    for (const auto& [x, word] : words) {
        const auto strike = std::find_if(strikes.begin(), strikes.end(), [&](const auto& op) {
            return op.text == "＝＝＝＝" && op.x == x;
        });
        ASSERT_NE(strike, strikes.end());
        const auto areas = test::captionAreas(form, word);
        ASSERT_EQ(areas.size(), 1u) << word;
        const test::Area ink = test::inkOf(*strike);
        // The strike runs through the middle of the word from end to end.
        const double middle = (areas[0].top + areas[0].bottom) / 2;
        EXPECT_LT(ink.left, areas[0].left) << word;
        EXPECT_GT(ink.right, areas[0].right) << word;
        EXPECT_NEAR(middle, strike->y + 0.5 * 11 * 25.4 / 72, 0.5) << word;
    }
}

TEST(LedgerForm, EachValueSitsBesideItsCaption) {
    using test::Beside;
    struct Fit {
        const char* text;
        double y;
        const char* caption;
        Beside how;
        int nth = 0;
    };
    const Fit fits[] = {{"17", 39, "年", Beside::SameBox},
                        {"東京都世田谷区上馬四丁目５番６号", 12, "住所", Beside::SameRow},
                        {"青葉ハイツ２０３号", 16, "住所", Beside::SameRow},
                        {"山田　太郎", 13, "氏名", Beside::SameRow},
                        {"ヤマダ　タロウ", 10, "フリガナ", Beside::SameRow},
                        {"昭和", 17, "生年月日", Beside::SameRow},
                        {" 11", 17, "月", Beside::SameBox},
                        {" 1", 33, "月区分", Beside::SameColumn},
                        {" 12", 143, "月区分", Beside::SameColumn},
                        {"25", 33, "支給\n月日", Beside::SameColumn},
                        {"301,000", 33, "総支給金額", Beside::SameColumn},
                        {"43,010", 33, "社会保険料等\nの控除額", Beside::SameColumn},
                        {"257,990", 33, "社会保険料等控除\n後の給与等の金額", Beside::SameColumn},
                        {"1", 33, "扶養親\n族等の\n数", Beside::SameColumn},
                        {"6,010", 33, "算出税額", Beside::SameColumn},
                        {"6,010", 33, "差引徴収\n税額", Beside::SameColumn, 1},
                        {"3,678,000", 156, "計", Beside::SameRow},
                        {"305,000", 73, "給料・手当等", Beside::SameRow},
                        {"7", 163, "賞与等", Beside::SameRow},
                        {"600,000", 163, "賞与等", Beside::SameRow},
                        {"1,250,000", 193, "計", Beside::SameRow},
                        {"3,678,000", 70, "①", Beside::SameBox},
                        {"1,250,000", 75, "④", Beside::SameBox},
                        {"4,928,000", 80, "⑦", Beside::SameBox},
                        {"3,359,200", 85, "⑨", Beside::SameBox},
                        {"695,780", 90, "⑩", Beside::SameBox},
                        {"120,000", 95, "⑪", Beside::SameBox},
                        {"60,000", 100, "⑫", Beside::SameBox},
                        {"50,000", 105, "⑬", Beside::SameBox},
                        {"15,000", 110, "⑭", Beside::SameBox},
                        {"160,000", 115, "⑮", Beside::SameBox},
                        {"1,140,000", 120, "⑯", Beside::SameBox},
                        {"2,240,780", 125, "⑰", Beside::SameBox},
                        {"1,118,000", 133, "⑱", Beside::SameBox},
                        {"72,780", 71, "③", Beside::SameBox},
                        {"62,500", 75, "⑥", Beside::SameBox},
                        {"135,280", 80, "⑧", Beside::SameBox},
                        {"111,800", 133, "⑲", Beside::SameBox},
                        {"20,000", 138, "⑳", Beside::SameBox},
                        {"91,800", 143, "㉑", Beside::SameBox},
                        {"18,360", 148, "㉒", Beside::SameBox},
                        {"73,400", 154, "㉓", Beside::SameBox},
                        {"61,880", 160, "㉔", Beside::SameBox},
                        {"620,000", 89, "配偶者の合計所得金額", Beside::SameBox},
                        {"120,000", 96, "個人年金保険料の支払額", Beside::SameBox},
                        {"30,000", 104, "長期損害保険料の支払額", Beside::SameBox},
                        {"60,000", 115, "小規模企業共済等掛金の額", Beside::SameBox}};
    const FormDrawing& form = *pageImageForm(kLedgerImage);
    const RecordingPage page = printed(test::fullPrintData());
    for (const Fit& fit : fits)
        EXPECT_TRUE(test::besideCaption(form, test::textAt(page, fit.text, fit.y, fit.nth),
                                        fit.caption, fit.how))
            << fit.text << " at " << fit.y << " beside " << fit.caption;
}

}  // namespace
}  // namespace nencho
