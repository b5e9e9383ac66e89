#include <gtest/gtest.h>

#include "form_fit.h"
#include "printed_texts.h"
#include "printing/page_images.h"
#include "printing/printouts.h"
#include "printout_fixture.h"

namespace nencho {
namespace {

using Kind = PrintOperation::Kind;
using test::addText;
using test::expectSame;
using test::Placed;
using test::placedTexts;

// The declaration as the form's tables give it, in the order it is printed.
std::vector<Placed> expectedDeclaration(const PrintData& d) {
    std::vector<Placed> t;
    addText(t, "平", 80, 7, 12);
    addText(t, "成", 85, 7, 12);
    addText(t, "17", 90, 7, 12);
    addText(t, d.companyTexts[2], 79, 31, 11);
    addText(t, d.companyTexts[3], 79, 43, 11);
    addText(t, d.personName, 189, 32, 11);
    addText(t, d.personAddress1, 219, 39, 11);
    addText(t, d.personAddress2, 219, 44, 11);
    addText(t, d.personReading, 189, 28, 7);
    const auto& spouse = d.dependantTable[1];
    const std::pair<int, double> spouseColumns[] = {
        {1, 56}, {3, 102}, {5, 154}, {6, 171}, {8, 247}};
    for (const auto& [column, x] : spouseColumns) addText(t, spouse[column], x, 68, 11);
    const double columns[] = {56, 84, 102, 140, 154, 171, 227, 247};
    for (int r = 1; r <= 5; ++r)
        for (int column = 1; column <= 8; ++column)
            addText(t, d.dependantTable[1 + r][column], columns[column - 1], 70 + 7 * r, 11);
    return t;
}

RecordingPage printed(const PrintData& data) {
    RecordingPage page;
    printDependantsDeclaration(page, data);
    return page;
}

TEST(DependantsDeclarationPrintout, PrintsThePayerThePersonAndTheTableWhereTheFormPlacesThem) {
    const PrintData data = test::fullPrintData();
    const auto texts = placedTexts(printed(data));
    expectSame(texts, expectedDeclaration(data));
    // The spouse's relation and marker are held but never printed; nor are the empty rows.
    for (const Placed& text : texts) {
        EXPECT_NE(text.text, "妻");
        EXPECT_FALSE(text.y == 68 && text.text == "老人");
        EXPECT_LT(text.y, 98);
    }
}

TEST(DependantsDeclarationPrintout, APersonWithoutSpouseOrDependantsGetsTheHeaderOnly) {
    PrintData data = test::fullPrintData();
    data.dependantTable = {};
    const auto texts = placedTexts(printed(data));
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts.back().text, data.personReading);
}

TEST(DependantsDeclarationForm, EveryPrintedTextLiesInABoxBesideItsCaption) {
    using test::Beside;
    const FormDrawing& form = *pageImageForm(kDependantsDeclarationImage);
    const RecordingPage page = printed(test::fullPrintData());
    const auto misplaced = test::misplacedTexts(form, page.operationsOf(Kind::Text));
    EXPECT_TRUE(misplaced.empty()) << ::testing::PrintToString(misplaced);
    struct Fit {
        const char* text;
        double y;
        const char* caption;
        Beside how;
    };
    const Fit fits[] = {
        {"17", 7, "年分", Beside::SameRow},
        {"株式会社青葉商事", 31, "給与の支払者の\n名称（氏名）", Beside::SameRow},
        {"東京都千代田区神田一丁目２番３号", 43, "給与の支払者の\n所在地（住所）", Beside::SameRow},
        {"山田　太郎", 32, "あなたの氏名", Beside::SameRow},
        {"ヤマダ　タロウ", 28, "（フリガナ）", Beside::SameRow},
        {"東京都世田谷区上馬四丁目５番６号", 39, "（〒　　　－　　　　）", Beside::SameBox},
        {"青葉ハイツ２０３号", 44, "あなたの住所\n又は居所", Beside::SameRow},
        {"山田　花子", 68, "Ａ\n控除対象\n配偶者", Beside::SameRow},
        {"山田　花子", 68, "（フリガナ）\n氏　　名", Beside::SameColumn},
        {"昭和47年8月10日", 68, "生　年　月　日", Beside::SameColumn},
        {"パート", 68, "職業", Beside::SameColumn},
        {"同上", 68, "住所又は居所", Beside::SameColumn},
        {"17年4月婚姻", 68, "異動月日及び事由", Beside::SameColumn},
        {"山田　一郎", 77, "1", Beside::SameRow},
        {"山田　一郎", 77, "Ｂ\n控除対象\n扶養親族", Beside::SameRow},
        {"長男", 77, "あなたとの\n続柄", Beside::SameColumn},
        {"特定", 77, "老人扶養親族\n特定扶養親族", Beside::SameColumn},
        {"380,000", 77, "本年中の所得の\n見積額", Beside::SameColumn},
        {"380,000", 77, "円", Beside::SameBox},
        {"山田　梅", 91, "3", Beside::SameRow}};
    for (const Fit& fit : fits)
        EXPECT_TRUE(
            test::besideCaption(form, test::textAt(page, fit.text, fit.y), fit.caption, fit.how))
            << fit.text << " at " << fit.y << " beside " << fit.caption;
}

}  // namespace
}  // namespace nencho
