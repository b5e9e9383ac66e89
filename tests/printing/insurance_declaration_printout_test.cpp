#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/failure.h"
#include "form_fit.h"
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
using test::number;
using test::Placed;
using test::placedTexts;

// The declaration as the form's tables give it, in the order it is printed.
std::vector<Placed> expectedDeclaration(const PrintData& d) {
    std::vector<Placed> t;
    addText(t, "平", 45, 8, 12);
    addText(t, "成", 50, 8, 12);
    addText(t, "17", 55, 8, 12);
    // The payer and the person.
    addText(t, d.companyTexts[2], 72, 18, 11);
    addText(t, d.companyTexts[3], 72, 28, 11);
    addText(t, d.personName, 172, 20, 11);
    addText(t, d.personAddress1, 172, 26, 11);
    addText(t, d.personAddress2, 172, 31, 11);
    addText(t, d.personReading, 172, 16, 7);
    // The spouse, the deduction in two digit boxes.
    addText(t, d.spouseNameTexts[1], 228, 61, 7);
    addText(t, d.spouseNameTexts[2], 228, 65, 11);
    const std::int32_t s = d.spouseHousingAmounts[4];
    addText(t, number(s / 100'000), 252, 102, 11);
    addText(t, number(s % 100'000 / 10'000), 256, 102, 11);
    // Life policies: texts column by column, then the premiums and the total.
    const double columns[] = {35, 60, 82, 91, 113, 134};
    const double lifeRows[] = {60, 65, 71};
    for (int c = 0; c < 6; ++c)
        for (int p = 1; p <= 3; ++p)
            addText(t, d.lifePensionTexts[3 * c + p], columns[c], lifeRows[p - 1], 11);
    for (int p = 1; p <= 3; ++p) addAmount(t, d.lifePensionAmounts[p], 163, lifeRows[p - 1]);
    addAmount(t, d.lifePensionAmounts[4], 163, 77);
    // Pension policies.
    const double pensionRows[] = {81, 87};
    for (int c = 0; c < 6; ++c)
        for (int q = 1; q <= 2; ++q)
            addText(t, d.lifePensionTexts[18 + 2 * c + q], columns[c], pensionRows[q - 1], 11);
    for (int q = 1; q <= 2; ++q) addAmount(t, d.lifePensionAmounts[5 + q], 163, pensionRows[q - 1]);
    addAmount(t, d.lifePensionAmounts[8], 163, 92);
    addAmount(t, d.lifePensionAmounts[10], 179, 110);
    // Casualty policies: insurer, kind, period, holder, resident, relation and maturity (short
    // enough to keep the row's size in their narrow columns).
    const double casualtyColumns[] = {29, 51, 72, 82, 104, 125, 134};
    const double casualtyRows[] = {133, 138};
    for (int c = 0; c < 7; ++c)
        for (int p = 1; p <= 2; ++p)
            addText(t, d.casualtyTexts[2 * c + p], casualtyColumns[c], casualtyRows[p - 1], 11);
    for (int p = 1; p <= 2; ++p) addAmount(t, d.casualtyAmounts[p], 165, casualtyRows[p - 1]);
    addAmount(t, d.casualtyAmounts[3], 114, 144);
    addAmount(t, d.casualtyAmounts[4], 176, 144);
    addAmount(t, d.casualtyAmounts[5], 87, 158);
    addAmount(t, d.casualtyAmounts[6], 138, 158);
    addAmount(t, d.casualtyAmounts[7], 176, 158);
    // Social insurance and mutual aid.
    const std::int32_t fromPay = d.printLedgerTable.cell(18, LedgerColumn::SocialInsurance);
    addText(t, "社会保険料", 29, 179, 11);
    addAmount(t, fromPay, 113, 179);
    addText(t, "国民健康保険", 29, 184, 11);
    addAmount(t, d.declaredSocialInsurance, 113, 184);
    addAmount(t, std::int64_t{fromPay} + d.declaredSocialInsurance, 113, 194);
    addAmount(t, d.mutualAidPremiums, 178, 194);
    return t;
}

RecordingPage printed(const PrintData& data) {
    RecordingPage page;
    printInsuranceDeclaration(page, data);
    return page;
}

TEST(InsuranceDeclarationPrintout, PrintsEveryBoxWhereTheFormsTablesPlaceItInTheirOrder) {
    const PrintData data = test::fullPrintData();
    expectSame(placedTexts(printed(data)), expectedDeclaration(data));
}

TEST(InsuranceDeclarationPrintout, ShowsTheSpouseDeductionInTensOfThousandsOfYen) {
    struct Case {
        std::int32_t deduction;
        const char* first;
        const char* second;
    };
    const Case cases[] = {{380'000, " 3", " 8"}, {30'000, " 0", " 3"},
                          {35'000, " 0", " 3"},  {0, " 0", " 0"},
                          {9'999, " 0", " 0"},   {1'000'000, " 10", " 0"},
                          {-30'000, "-1", " 7"}, {2'147'483'647, " 21474", " 8"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deduction);
        PrintData data;
        data.spouseHousingAmounts[4] = c.deduction;
        const auto texts = placedTexts(printed(data));
        std::vector<Placed> digits;
        for (const Placed& text : texts)
            if (text.y == 102) digits.push_back(text);
        expectSame(digits, {{c.first, 252, 102, 11}, {c.second, 256, 102, 11}});
    }
}

TEST(InsuranceDeclarationPrintout, APersonWithoutInsuranceGetsTheLabelsAndZeroDigitsOnly) {
    PrintData data = test::fullPrintData();
    data.lifePensionTexts = {};
    data.lifePensionAmounts = {};
    data.casualtyTexts = {};
    data.casualtyAmounts = {};
    data.mutualAidPremiums = 0;
    data.declaredSocialInsurance = 0;
    data.printLedgerTable = LedgerSheet{};
    data.spouseHousingAmounts = {};
    data.spouseNameTexts = {};
    std::vector<Placed> below;
    for (const Placed& text : placedTexts(printed(data)))
        if (text.y > 60) below.push_back(text);
    expectSame(below, {{" 0", 252, 102, 11},
                       {" 0", 256, 102, 11},
                       {"社会保険料", 29, 179, 11},
                       {"国民健康保険", 29, 184, 11}});
}

TEST(InsuranceDeclarationPrintout, FailsWhereItsArithmeticLeaves32Bits) {
    // The social insurance total overflows after both labels and amounts are printed.
    PrintData data = test::fullPrintData();
    data.declaredSocialInsurance = std::numeric_limits<std::int32_t>::max();
    RecordingPage page;
    EXPECT_THROW(printInsuranceDeclaration(page, data), Failure);
    EXPECT_EQ(page.operationsOf(Kind::Text).back().text, "2,147,483,647");
    // A deduction whose hundred-thousands cannot be taken back out of it.
    data = test::fullPrintData();
    data.spouseHousingAmounts[4] = std::numeric_limits<std::int32_t>::min();
    RecordingPage spousePage;
    EXPECT_THROW(printInsuranceDeclaration(spousePage, data), Failure);
    EXPECT_EQ(spousePage.operationsOf(Kind::Text).back().text, data.spouseNameTexts[2]);
}

TEST(InsuranceDeclarationForm, EveryPrintedTextLiesInABoxBesideItsCaption) {
    using test::Beside;
    const FormDrawing& form = *pageImageForm(kInsuranceDeclarationImage);
    const RecordingPage page = printed(test::fullPrintData());
    const auto misplaced = test::misplacedTexts(form, page.operationsOf(Kind::Text));
    EXPECT_TRUE(misplaced.empty()) << ::testing::PrintToString(misplaced);
    struct Fit {
        const char* text;
        double y;
        const char* caption;
        Beside how;
        int nth = 0;
    };
    const Fit fits[] = {
        {"17", 8, "年分", Beside::SameRow},
        {"株式会社青葉商事", 18, "給与の支払者の\n名称（氏名）", Beside::SameRow},
        {"東京都千代田区神田一丁目２番３号", 28, "給与の支払者の\n所在地（住所）", Beside::SameRow},
        {"山田　太郎", 20, "あなたの氏名", Beside::SameRow},
        {"ヤマダ　タロウ", 16, "（フリガナ）", Beside::SameRow},
        {"東京都世田谷区上馬四丁目５番６号", 26, "あなたの住所\n又は居所", Beside::SameRow},
        {"青葉ハイツ２０３号", 31, "あなたの住所\n又は居所", Beside::SameRow},
        {"ヤマダ　ハナコ", 61, "（フリガナ）", Beside::SameRow},
        {"山田　花子", 65, "配偶者の氏名", Beside::SameRow},
        {" 1", 102, "配偶者特別控除額", Beside::SameRow},
        {" 6", 102, "万円", Beside::SameRow},
        {"日本生命保険", 60, "保険会社等の\n名称", Beside::SameColumn},
        {"日本生命保険", 60, "一般の\n生命保険料", Beside::SameRow},
        {"定期", 65, "保険等の\n種類", Beside::SameColumn},
        {"20年", 71, "保険期間\n又は年金\n支払期間", Beside::SameColumn},
        {"山田　太郎", 60, "保険等の契約者\nの氏名", Beside::SameColumn},
        {"山田　一郎", 71, "氏　名", Beside::SameColumn},
        {"長男", 71, "続柄", Beside::SameColumn},
        {"120,000", 60, "本年中に支払った\n保険料等の金額", Beside::SameColumn},
        {"204,000", 77, "(a)", Beside::SameBox},
        {"かんぽ生命", 87, "個人年金\n保険料", Beside::SameRow},
        {"120,000", 92, "(b)", Beside::SameBox},
        {"100,000", 110, "生命保険料控除額　計（①＋②）（最高100,000円）", Beside::SameRow},
        {"日新火災", 138, "保険会社等の\n名称", Beside::SameColumn},
        {"長期総合", 133, "保険等の種類\n（目的）", Beside::SameColumn},
        {"10年", 133, "保険\n期間", Beside::SameColumn},
        {"山田　花子", 138, "家屋等に居住又は\n家財を利用して\nいる者等の氏名", Beside::SameColumn},
        {"妻", 138, "あなた\nとの続柄", Beside::SameColumn},
        {"無", 138, "満期返\n戻金等\nの有無", Beside::SameColumn},
        {"2,000", 138, "本年中に支払った\n保険料等の金額", Beside::SameColumn},
        {"30,000", 144, "(A)", Beside::SameBox},
        {"2,000", 144, "(B)", Beside::SameBox},
        {"15,000", 158, "(A)の金額を計算式に当てはめた金額\n（最高15,000円）", Beside::SameBox},
        {"2,000", 158, "(B)の金額を計算式に当てはめた金額\n（最高3,000円）", Beside::SameBox},
        {"15,000", 158, "損害保険料控除額　計\n（最高15,000円）", Beside::SameBox, 1},
        {"社会保険料", 179, "社会保険の種類", Beside::SameColumn},
        {"695,780", 179, "あなたが本年中に\n支払った保険料\nの金額", Beside::SameColumn},
        {"815,780", 194, "合　計　（控除額）", Beside::SameRow},
        {"60,000", 194, "あなたが本年中に\n支払った掛金の金額", Beside::SameColumn}};
    for (const Fit& fit : fits)
        EXPECT_TRUE(test::besideCaption(form, test::textAt(page, fit.text, fit.y, fit.nth),
                                        fit.caption, fit.how))
            << fit.text << " at " << fit.y << " beside " << fit.caption;
}

// What a policy row prints in one column: its lines, top to bottom.
std::vector<PrintOperation> linesIn(const std::vector<PrintOperation>& texts, double left,
                                    double right, double above, double below) {
    std::vector<PrintOperation> lines;
    for (const PrintOperation& text : texts)
        if (text.x >= left - 1e-9 && text.x < right && text.y >= above && text.y < below)
            lines.push_back(text);
    std::sort(lines.begin(), lines.end(),
              [](const PrintOperation& a, const PrintOperation& b) { return a.y < b.y; });
    return lines;
}

// A value printed in a column of `width` mm on the row printed at `top` between the rules
// `above` and `below`: the whole value, in the row's 11 points when it fits; else on one line as
// large as fits the width, to a tenth of a point, centred on the row's line; where that would be
// below 6 points, on two lines of one size, larger than one line could be, between the rules.
void expectFitted(const std::vector<PrintOperation>& lines, const std::string& value, double width,
                  double top, double above, double below) {
    ASSERT_FALSE(lines.empty()) << value;
    std::string joined;
    for (const PrintOperation& line : lines) {
        joined += line.text;
        EXPECT_EQ(line.fontSize, lines.front().fontSize);
    }
    EXPECT_EQ(joined, value);
    const double points = lines.front().fontSize;
    const double em = points * kMillimetresPerPoint;
    const double oneLine =
        std::min(11.0, std::floor(width / (emsOf(value) * kMillimetresPerPoint) * 10) / 10);
    if (lines.size() == 1) {
        EXPECT_EQ(points, oneLine);
        EXPECT_NEAR(lines[0].y + em / 2, top + 11 * kMillimetresPerPoint / 2, 1e-9);
        return;
    }
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_LT(oneLine, 6);
    EXPECT_GT(points, oneLine);
    EXPECT_GE(lines[0].y, above);
    EXPECT_LE(lines[1].y + em, below + 1e-9);
    for (const PrintOperation& line : lines) EXPECT_LE(emsOf(line.text) * em, width + 1e-9);
}

// The relation and maturity columns are narrow: a value too long for them at the row's size is
// printed smaller, as large as fits, and level with the row, or on two lines in the row when one
// would be too small; what follows keeps the row's size.
TEST(InsuranceDeclarationForm, RelationAndMaturityFitTheirColumnsWhateverTheirLength) {
    const FormDrawing& form = *pageImageForm(kInsuranceDeclarationImage);
    struct Case {
        const char* relation;
        const char* maturity;
    };
    const Case cases[] = {
        {"本人", "有"},
        {"配偶者の父母", "平成25年3月"},
        {"妻", "平成25年12月31日"},
        {"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴ", "満期返戻金あり（平成30年12月31日満期）"},
        {"x", "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.relation) + " / " + c.maturity);
        PrintData data = test::fullPrintData();
        data.casualtyAmounts[1] = 18'000;
        for (int policy = 1; policy <= 2; ++policy) {
            data.casualtyTexts[10 + policy] = c.relation;
            data.casualtyTexts[12 + policy] = c.maturity;
        }
        const RecordingPage page = printed(data);
        const auto texts = page.operationsOf(Kind::Text);
        const auto misplaced = test::misplacedTexts(form, texts);
        EXPECT_TRUE(misplaced.empty()) << ::testing::PrintToString(misplaced);
        struct Column {
            const char* text;
            const char* caption;
            double left;
        };
        // The columns are 8.6 mm wide; the rows printed at 133 and 138 lie between the rules at
        // 130.5, 137.45 and 142.3.
        const double rows[][3] = {{133, 130.5, 137.45}, {138, 137.45, 142.3}};
        for (const Column& column : {Column{c.relation, "あなた\nとの続柄", 125},
                                     Column{c.maturity, "満期返\n戻金等\nの有無", 134}})
            for (const auto& row : rows) {
                const auto lines = linesIn(texts, column.left, column.left + 8.6, row[1], row[2]);
                expectFitted(lines, column.text, 8.6, row[0], row[1], row[2]);
                for (const PrintOperation& line : lines)
                    EXPECT_TRUE(
                        test::besideCaption(form, line, column.caption, test::Beside::SameColumn));
            }
        // The premium beside them is measured and printed at the row's size.
        const PrintOperation& premium = test::textAt(page, "18,000", 133);
        EXPECT_EQ(premium.fontSize, 11);
        EXPECT_DOUBLE_EQ(test::inkOf(premium).right, 165);
    }
}

// Every text column of the policy rows keeps its texts between its rules: an insurer's full name,
// a period in full-width digits or a six-character name is printed smaller, as large as fits,
// or on two lines when one would be too small, instead of running over the column beside it; a
// short value keeps the row's size.
TEST(InsuranceDeclarationForm, EveryPolicyTextFitsItsColumnWhateverItsLength) {
    const FormDrawing& form = *pageImageForm(kInsuranceDeclarationImage);
    struct Case {
        const char* text;
        bool fitsEverywhere;  // at the row's size, in the narrowest column
    };
    const Case cases[] = {
        {"妻", true},
        {"日本生命保険相互会社", false},
        {"２０年", false},
        {"高橋　美智子", false},
        {"東京海上日動火災保険株式会社", false},
        {"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ", false},
    };
    // Each column's left edge and width, and each row's line and rules.
    const double lifeColumns[][2] = {{35, 23.8}, {60, 20.8},  {82, 7.8},
                                     {91, 20.8}, {113, 19.8}, {134, 7.8}};
    const double lifeRows[][3] = {
        {60, 57.5, 64.5}, {65, 64.5, 70}, {71, 70, 75.5}, {81, 80.95, 86.5}, {87, 86.5, 91.5}};
    const double casualtyColumns[][2] = {{29, 20.8},  {51, 19.8}, {72, 8.8}, {82, 20.8},
                                         {104, 20.6}, {125, 8.6}, {134, 8.6}};
    const double casualtyRows[][3] = {{133, 130.5, 137.45}, {138, 137.45, 142.3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PrintData data = test::fullPrintData();
        for (int line = 1; line <= 30; ++line) data.lifePensionTexts[line] = c.text;
        for (int line = 1; line <= 14; ++line) data.casualtyTexts[line] = c.text;
        const RecordingPage page = printed(data);
        const auto texts = page.operationsOf(Kind::Text);
        const auto misplaced = test::misplacedTexts(form, texts);
        EXPECT_TRUE(misplaced.empty()) << ::testing::PrintToString(misplaced);
        double smallest = 11;
        const auto check = [&](const double(&column)[2], const double(&row)[3]) {
            const auto lines = linesIn(texts, column[0], column[0] + column[1], row[1], row[2]);
            expectFitted(lines, c.text, column[1], row[0], row[1], row[2]);
            if (!lines.empty()) smallest = std::min(smallest, lines.front().fontSize);
        };
        for (const auto& column : lifeColumns)
            for (const auto& row : lifeRows) check(column, row);
        for (const auto& column : casualtyColumns)
            for (const auto& row : casualtyRows) check(column, row);
        EXPECT_EQ(smallest == 11, c.fitsEverywhere);
    }
}

}  // namespace
}  // namespace nencho
