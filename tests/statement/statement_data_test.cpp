#include "statement/statement_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/recording_page.h"
#include "printing/form_drawing.h"
#include "printing/print_data.h"
#include "statement/statement_fixture.h"
#include "statement/statement_form.h"
#include "statement/statement_printout.h"
#include "statement/statement_shift.h"

namespace nencho {
namespace {

using Kind = PrintOperation::Kind;

RecordingPage printed(const PrintData& data, StatementPart part, double dx = 0, double dy = 0) {
    RecordingPage page;
    printStatement(page, data, part, dx, dy);
    return page;
}

// The texts of the data, after the four fixed-rate lines and before the form.
std::vector<PrintOperation> dataTexts(const RecordingPage& page) {
    std::vector<PrintOperation> texts = page.operationsOf(Kind::Text);
    texts.erase(texts.begin(), texts.begin() + 4);
    const std::size_t formTexts = 95 + 4 * 98;
    if (!page.operationsOf(Kind::Line).empty()) texts.resize(texts.size() - formTexts);
    return texts;
}

double widthOf(const std::string& text, double points) {
    RecordingPage ruler;
    ruler.setFontSize(points);
    return ruler.textWidth(text);
}

struct Expected {
    std::string text;
    double x;
    double y;
    double points;
};

// An amount right-aligned on the page's x by its plain digits.
Expected rightAligned(const std::string& digits, const std::string& printed, double edge, double y,
                      double points) {
    return {printed, edge - widthOf(digits, points), y, points};
}

// The fixture's copy at the copy's origin, no shift, on the page's coordinates of copy 1.
std::vector<Expected> fixtureCopy(double telephoneX) {
    return {
        {"東京都千代田区一番町1-2", 25, 10, 11},
        {"二番館301", 25, 15, 11},
        {"山田太郎", 108, 15, 11},
        {"東京都港区三番町3", 36, 80, 11},
        {"株式会社見本", 36, 88, 11},
        {"給    与", 11, 27, 11},
        rightAligned("4800000", "4,800,000", 54, 27, 11),
        rightAligned("3300000", "3,300,000", 81, 27, 11),
        rightAligned("1234567", "1,234,567", 108, 27, 11),
        rightAligned("98700", "98,700", 136, 27, 11),
        {"山田花子", 20, 52, 9},
        {"山田一郎", 35, 52, 9},
        {"山田二郎", 50, 52, 9},
        {"", 65, 52, 9},
        {"山田四郎", 20, 55, 9},
        {"", 35, 55, 9},
        {"取締役", 87, 16, 9},
        {"ヤマダタロウ", 102, 10, 9},
        {"(Tel) 03-1234-5678", telephoneX - 2, 88, 9},
        rightAligned("636000", "636,000", 99, 43, 9),
        rightAligned("24000", "24,000", 99, 40, 9),
        {"内", 85, 40, 6},
        {"50,000", 103, 43, 9},
        {"3,000", 118, 43, 9},
        {"", 129, 43, 9},
        rightAligned("380000", "380,000", 135, 50, 9),
        rightAligned("120000", "120,000", 135, 56, 9),
        rightAligned("15000", "15,000", 135, 62, 9),
        {"〇", 8, 44, 9},
        {"〇", 21, 75, 9},
        {"〇", 38, 75, 9},
        {"〇", 61, 75, 9},
        {"", 26, 43, 8},
        {"1", 42, 43, 8},
        {"3", 55, 43, 8},
        {"2", 63, 43, 8},
        {"2", 71, 43, 8},
        {"1", 78, 43, 8},
        {"〇", 86, 75, 8},
        {"4", 100, 75, 8},
        {"1", 105, 75, 8},
        {"〇", 118, 75, 8},
        {" 45 ", 125, 75, 8},
        {" 3 ", 131, 75, 8},
        {" 7 ", 136, 75, 8},
    };
}

void appendCopy(std::vector<Expected>& out, int copy) {
    const StatementCopyOrigin origin = statementCopyOrigin(copy);
    for (Expected e : fixtureCopy(copy <= 2 ? 100 : 110)) {
        e.x += origin.x;
        e.y += origin.y;
        out.push_back(e);
    }
}

TEST(StatementData, DataOnlyPrintoutOfAFixturePersonFollowsTheTablesInOrder) {
    std::vector<Expected> expected;
    appendCopy(expected, 1);
    appendCopy(expected, 2);
    for (const Expected& remark : std::vector<Expected>{{"前職分を含む", 10, 162, 9},
                                                        {"", 10, 165, 9},
                                                        {"前職分を含む", 10, 58, 9},
                                                        {"", 10, 61, 9},
                                                        {"前職分を含む", 157, 59, 9},
                                                        {"", 157, 62, 9},
                                                        {"前職分を含む", 157, 162, 9},
                                                        {"", 157, 165, 9}})
        expected.push_back(remark);
    appendCopy(expected, 3);
    appendCopy(expected, 4);

    const auto texts = dataTexts(printed(test::statementFixturePerson(), StatementPart::Data));
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text) << i;
        EXPECT_DOUBLE_EQ(texts[i].x, expected[i].x) << i << " " << expected[i].text;
        EXPECT_DOUBLE_EQ(texts[i].y, expected[i].y) << i << " " << expected[i].text;
        EXPECT_EQ(texts[i].fontSize, expected[i].points) << i << " " << expected[i].text;
        EXPECT_EQ(texts[i].fontName, "MS 明朝");
    }
}

const PrintOperation* findText(const std::vector<PrintOperation>& texts, const std::string& text,
                               std::size_t nth = 0) {
    for (const auto& op : texts)
        if (op.text == text && nth-- == 0) return &op;
    return nullptr;
}

TEST(StatementData, PositionsWorkedOutByHandReproduce) {
    struct Case {
        const char* what;
        StatementPart part;
        double dx, dy;
        std::string text;
        std::size_t nth;  // which copy's text, 0 for copy 1
        double x, y;
    };
    const Case cases[] = {
        {"address, copy 1", StatementPart::Data, 0, 0, "東京都千代田区一番町1-2", 0, 25, 10},
        {"address, copy 4", StatementPart::Data, 0, 0, "東京都千代田区一番町1-2", 3, 170, 113},
        {"address moved, copy 1", StatementPart::Data, 3, -2, "東京都千代田区一番町1-2", 0, 28, 8},
        {"address moved, copy 4", StatementPart::FormAndData, 3, -2, "東京都千代田区一番町1-2", 3,
         173, 111},
        {"address, copy 4, 3 right 1 down", StatementPart::Data, 3, 1, "東京都千代田区一番町1-2", 3,
         173, 114},
        {"birth day, copy 4, full", StatementPart::FormAndData, 3, 1, " 7 ", 3, 285, 179},
        {"birth day, copy 4, data only", StatementPart::Data, 3, 1, " 7 ", 3, 284, 179},
        {"remark of copy 3 first", StatementPart::Data, 0, 0, "前職分を含む", 0, 10, 162},
        {"remark of copy 1", StatementPart::Data, 0, 0, "前職分を含む", 1, 10, 58},
    };
    for (const Case& c : cases) {
        const auto texts = dataTexts(printed(test::statementFixturePerson(), c.part, c.dx, c.dy));
        const PrintOperation* op = findText(texts, c.text, c.nth);
        ASSERT_NE(op, nullptr) << c.what;
        EXPECT_EQ(op->x, c.x) << c.what;
        EXPECT_EQ(op->y, c.y) << c.what;
    }
}

TEST(StatementData, RightAlignedAmountsAreMeasuredOnTheirPlainDigits) {
    struct Case {
        std::int32_t amount;
        std::string printed;
        std::string measured;
    };
    const Case cases[] = {
        {999, "999", "999"},
        {1000, "1,000", "1000"},
        {12345678, "12,345,678", "12345678"},
        {-5000, "-5,000", "-5000"},
        {0, "", "0"},
    };
    for (const Case& c : cases) {
        PrintData data;
        data.adjustmentResult[AdjustmentValue::PayInAll] = c.amount;
        const auto texts = dataTexts(printed(data, StatementPart::Data));
        // Total pay is the first amount after the five addresses and names; no pay kind is set.
        const PrintOperation& op = texts.at(5);
        EXPECT_EQ(op.text, c.printed);
        EXPECT_DOUBLE_EQ(op.x, 54 - widthOf(c.measured, 11)) << c.amount;
        EXPECT_EQ(op.y, 27);
    }
}

TEST(StatementData, SumsBeyond32BitsPrintTheirTrueValue) {
    PrintData data;
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    data.adjustmentResult[AdjustmentValue::SocialInsuranceFromPay] = kMost;
    data.adjustmentResult[AdjustmentValue::DeclaredSocialInsurance] = kMost;
    data.kindCounts[5] = kMost;
    data.kindCounts[6] = 1;
    const auto texts = dataTexts(printed(data, StatementPart::Data));
    EXPECT_NE(findText(texts, "4,294,967,294"), nullptr);
    EXPECT_NE(findText(texts, "2,147,483,648"), nullptr);
}

// A status word of the person and where its mark stands in the status band (y 77), before the
// 2 mm correction of the data.
struct StatusWord {
    int element;
    const char* word;
    double x;
};
constexpr StatusWord kStatusWords[] = {
    {8, "夫あり", 11},  {9, "未成年者", 17}, {17, "乙欄", 23},     {1, "特別障害者", 28},
    {2, "障害者", 33},  {3, "老年者", 40},   {4, "寡婦", 45},      {5, "特別寡婦", 51},
    {6, "寡夫", 58},    {7, "勤労学生", 63}, {10, "死亡退職", 69}, {18, "災害者", 75},
    {11, "外国人", 81},
};

TEST(StatementData, WordsAndMarksPrintOnlyForTheirExactWordAndInTheirOwnCell) {
    using At = std::pair<double, double>;
    struct Case {
        std::string what;
        std::function<void(PrintData&)> set;
        std::string text;    // what is looked for in copy 1
        std::vector<At> at;  // where each of them stands in copy 1, in print order
    };
    // Without a spouse the mark on 無 (x 12 in the upper copies of this printout, y 46) comes
    // first; every position is 2 mm left of and above its offset.
    const At noSpouse{10, 44};
    std::vector<Case> cases = {
        {"two pay kinds one over the other",
         [](PrintData& d) {
             d.payKindTexts[1] = "役員報酬";
             d.payKindTexts[4] = "専従者給与";
         },
         "専従者給与",
         {{11, 27}}},
        {"pay kind with a blank",
         [](PrintData& d) { d.payKindTexts[3] = "給与 "; },
         "給    与",
         {}},
        {"position with a blank", [](PrintData& d) { d.personPosition = "監査役 "; }, "監査役", {}},
        {"joining without the full-width space",
         [](PrintData& d) { d.personStatusTexts[12] = "就職"; },
         "〇",
         {noSpouse}},
        {"joining and leaving",
         [](PrintData& d) {
             d.personStatusTexts[12] = "就　職";
             d.personStatusTexts[13] = "退　職";
         },
         "〇",
         {noSpouse, {86, 75}, {91, 75}}},
        {"era with a blank", [](PrintData& d) { d.birthEra = "平成 "; }, "〇", {noSpouse}},
        {"a status word with a blank",
         [](PrintData& d) { d.personStatusTexts[6] = "寡夫 "; },
         "〇",
         {noSpouse}},
    };
    Case every{"every status word", [](PrintData&) {}, "〇", {noSpouse}};
    for (const StatusWord& status : kStatusWords) {
        const auto set = [status](PrintData& d) {
            d.personStatusTexts[status.element] = status.word;
        };
        cases.push_back({status.word, set, "〇", {noSpouse, {status.x - 2, 75}}});
        every.set = [previous = every.set, set](PrintData& d) {
            previous(d);
            set(d);
        };
        every.at.push_back({status.x - 2, 75});
    }
    cases.push_back(every);

    for (const Case& c : cases) {
        PrintData data;
        c.set(data);
        const auto texts = dataTexts(printed(data, StatementPart::Data));
        const std::size_t perCopy = texts.size() / 4 - 2;  // two remark lines a copy
        std::vector<At> at;
        for (std::size_t i = 0; i < perCopy; ++i)
            if (texts[i].text == c.text) at.emplace_back(texts[i].x, texts[i].y);
        EXPECT_EQ(at, c.at) << c.what;
    }
}

// Under the form the data stands where the tables put it, except the texts whose ink would lie on
// a rule of the form there: each moves the least way that keeps it a fifth of a millimetre off
// (0.327 mm right of a thin rule, 0.343 mm above the status band's bottom rule); the birth date
// and the mark on 無 of the upper copies move by a whole millimetre, as the tables say.
TEST(StatementData, FullStatementDiffersFromDataOnlyOnlyAtTheListedOffsets) {
    PrintData data = test::statementFixturePerson();
    data.spouseFlag = 0;  // the mark on 無
    const auto only = dataTexts(printed(data, StatementPart::Data));
    const auto full = dataTexts(printed(data, StatementPart::FormAndData));
    ASSERT_EQ(only.size(), full.size());
    std::ostringstream moved;
    for (std::size_t i = 0; i < only.size(); ++i) {
        EXPECT_EQ(only[i].text, full[i].text);
        if (only[i].x == full[i].x && only[i].y == full[i].y) continue;
        const StatementCopyOrigin origin =
            statementCopyOrigin((only[i].x >= 145 ? 2 : 1) + (only[i].y >= 103 ? 2 : 0));
        moved << only[i].text << " (" << only[i].x - origin.x << ", " << only[i].y - origin.y
              << ") " << std::round((full[i].x - only[i].x) * 1000) / 1000 << " "
              << std::round((full[i].y - only[i].y) * 1000) / 1000 << "\n";
    }
    const auto copy = [](bool upper) {
        return std::string("取締役 (87, 16) 0.327 0\n") + "ヤマダタロウ (102, 10) 0 -0.343\n" +
               "50,000 (103, 43) 0.327 0\n" + (upper ? "〇 (10, 44) 1 0\n" : "") +
               "〇 (21, 75) 0 -0.343\n" + "〇 (38, 75) 0 -0.343\n" + "〇 (61, 75) 0.327 -0.343\n" +
               "4 (100, 75) 0.327 0\n" + "1 (105, 75) 0.327 0\n" + "〇 (118, 75) 0.327 0\n" +
               " 45  (125, 75) 1 0\n" + " 3  (131, 75) 1 0\n" + " 7  (136, 75) 1 0\n";
    };
    EXPECT_EQ(moved.str(), copy(true) + copy(true) + copy(false) + copy(false));
}

TEST(StatementData, TwoIdenticalClicksGiveIdenticalPages) {
    for (StatementPart part : {StatementPart::Data, StatementPart::FormAndData})
        EXPECT_EQ(printed(test::statementFixturePerson(), part, 3, -2).log(),
                  printed(test::statementFixturePerson(), part, 3, -2).log());
}

TEST(StatementData, ABirthDateNeverEnteredPrintsZeros) {
    const auto texts = dataTexts(printed(PrintData{}, StatementPart::Data));
    int zeros = 0;
    for (const auto& op : texts) zeros += op.text == " 0 ";
    EXPECT_EQ(zeros, 3 * 4);
    PrintData negative;
    negative.birthYear = -3;
    const auto withSign = dataTexts(printed(negative, StatementPart::Data));
    EXPECT_NE(findText(withSign, "-3 "), nullptr);
}

// The remarks name the spouse and the dependants 15 mm apart: a name too long for its place is
// printed smaller, level with its line, and never runs into the next name; a short one keeps 9
// points.
TEST(StatementData, EveryNameOfTheRemarksKeepsToItsPlace) {
    const auto namesOf = [](const char* name) {
        PrintData data = test::statementFixturePerson();
        for (int row = 1; row <= 6; ++row) data.dependantTable[row][1] = name;
        std::vector<PrintOperation> names;
        for (const PrintOperation& text : dataTexts(printed(data, StatementPart::FormAndData)))
            if (text.text == name) names.push_back(text);
        EXPECT_NO_THROW(checkStatementShift(data, StatementPart::FormAndData, {}));
        return names;
    };
    const double em9 = 9 * kMillimetresPerPoint;
    const auto places = namesOf("山田花子");
    ASSERT_EQ(places.size(), 6u * 4);
    for (const PrintOperation& place : places) EXPECT_EQ(place.fontSize, 9);
    for (const char* name :
         {"田中　一郎", "高橋　美智子", "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"}) {
        SCOPED_TRACE(name);
        const auto names = namesOf(name);
        ASSERT_EQ(names.size(), places.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            const double em = names[i].fontSize * kMillimetresPerPoint;
            EXPECT_LT(names[i].fontSize, 9);
            EXPECT_LE(emsOf(name) * em, 14 + 1e-9);
            EXPECT_DOUBLE_EQ(names[i].x, places[i].x);
            EXPECT_NEAR(names[i].y + em / 2, places[i].y + em9 / 2, 1e-9);
        }
    }
}

TEST(StatementShift, BoxesReadAsWholeMillimetresWithinTheRange) {
    struct Case {
        std::string text;
        StatementShiftBox box;
        std::optional<int> millimetres;
    };
    using B = StatementShiftBox;
    const StatementShiftRange right{-8, 12};
    const StatementShiftRange down{-10, 15};
    const Case cases[] = {
        {"", B::Right, 0},
        {"  ", B::Down, 0},
        {"0", B::Right, 0},
        {"3", B::Right, 3},
        {"-2", B::Down, -2},
        {"2.5", B::Right, 2},
        {"3.5", B::Right, 4},
        {"-2.5", B::Down, -2},
        {"abc", B::Right, std::nullopt},
        {"３", B::Right, 3},
        {"40000", B::Down, std::nullopt},
        {"32760", B::Right, std::nullopt},
        {"12", B::Right, 12},
        {"13", B::Right, std::nullopt},
        {"-8", B::Right, -8},
        {"-9", B::Right, std::nullopt},
        {"15", B::Down, 15},
        {"16", B::Down, std::nullopt},
        {"-10", B::Down, -10},
        {"-11", B::Down, std::nullopt},
    };
    for (const Case& c : cases) {
        const StatementShiftReading reading =
            readStatementShift(c.text, c.box, c.box == B::Right ? right : down);
        EXPECT_EQ(reading.millimetres, c.millimetres) << "[" << c.text << "]";
        EXPECT_EQ(reading.refusal.empty(), c.millimetres.has_value()) << c.text;
        if (!c.millimetres) {
            EXPECT_EQ(reading.refusal,
                      c.box == B::Right
                          ? "右側へ移動する mm には -8 から 12 までの数を入力してください。"
                          : "下方へ移動する mm には -10 から 15 までの数を入力してください。");
        }
    }
}

// The ink of a printed text: its em box, as wide as the text without the blanks around it.
struct Ink {
    double left;
    double top;
    double right;
    double bottom;
};
std::optional<Ink> inkOf(const PrintOperation& text) {
    const std::size_t first = text.text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const std::size_t last = text.text.find_last_not_of(' ');
    const double left = text.x + widthOf(text.text.substr(0, first), text.fontSize);
    return Ink{left, text.y,
               left + widthOf(text.text.substr(first, last - first + 1), text.fontSize),
               text.y + text.fontSize * 25.4 / 72};
}

// The birth date's three cells, x 126 to 131, 131 to 136 and 136 to 141 of a copy, end at the
// form's rules (the day's at the copy's thick right side): every digit of the date stays
// between them, at 8 points where it fits there, else smaller and level with its line.
TEST(StatementData, EveryDigitOfTheBirthDateStaysBetweenTheRulesOfItsCell) {
    struct Case {
        StatementPart part;
        int year;
        int month;
        int day;
        bool smaller;  // a number too wide at 8 points
    };
    const Case cases[] = {
        {StatementPart::Data, 45, 3, 7, false},
        {StatementPart::Data, 63, 12, 31, false},
        {StatementPart::FormAndData, 45, 3, 7, false},
        {StatementPart::FormAndData, 40, 5, 10, true},
        {StatementPart::FormAndData, 63, 12, 31, true},
        {StatementPart::FormAndData, 40, 11, 8, true},
        {StatementPart::FormAndData, 2, 1, 1, false},
        {StatementPart::FormAndData, 100, 0, 0, true},
    };
    // Left and right rule of each cell, with its width in 300 dpi pixels.
    const int cells[3][4] = {{126, 3, 131, 3}, {131, 3, 136, 3}, {136, 3, 141, 6}};
    const double em8 = 8 * kMillimetresPerPoint;
    for (const Case& c : cases) {
        PrintData data = test::statementFixturePerson();
        data.birthYear = (c.year);
        data.birthMonth = (c.month);
        data.birthDay = (c.day);
        const auto texts = dataTexts(printed(data, c.part));
        for (int copy = 1; copy <= 4; ++copy) {
            const StatementCopyOrigin origin = statementCopyOrigin(copy);
            const int values[3] = {c.year, c.month, c.day};
            for (int cell = 0; cell < 3; ++cell) {
                SCOPED_TRACE(std::to_string(values[cell]) + " in copy " + std::to_string(copy) +
                             (c.part == StatementPart::Data ? " data only" : " full"));
                const std::string number = " " + std::to_string(values[cell]) + " ";
                const PrintOperation* printed = nullptr;
                for (const PrintOperation& text : texts)
                    if (text.text == number && text.x >= origin.x + cells[cell][0] - 1 &&
                        text.x < origin.x + cells[cell][2] && text.y > origin.y + 70 &&
                        text.y < origin.y + 78)
                        printed = &text;
                ASSERT_NE(printed, nullptr);
                const std::optional<Ink> ink = inkOf(*printed);
                ASSERT_TRUE(ink.has_value());
                EXPECT_GE(ink->left,
                          origin.x + cells[cell][0] + statementRuleWidth(cells[cell][1]) / 2);
                // A fifth of a millimetre clear of the rule.
                EXPECT_LE(ink->right, origin.x + cells[cell][2] -
                                          statementRuleWidth(cells[cell][3]) / 2 - 0.2 + 1e-9);
                EXPECT_NEAR(ink->top + (ink->bottom - ink->top) / 2, origin.y + 75 + em8 / 2, 1e-9);
                const bool wide =
                    c.smaller && ((cell == 2 && c.day >= 10) || (cell == 1 && c.month >= 10) ||
                                  values[cell] >= 100);
                if (wide)
                    EXPECT_LT(printed->fontSize, 8);
                else
                    EXPECT_EQ(printed->fontSize, 8);
            }
        }
    }
}

// The fixture person; one with texts that reach far right and low (a long telephone number and
// remark in the right-hand copies); one whose remark is far longer than its cell; one with a tax
// place of 34 characters and a name of 12, which ran off the paper unshifted before they were
// fitted to their boxes.
std::vector<std::pair<std::string, PrintData>> shiftPersons() {
    PrintData far = test::statementFixturePerson();
    far.companyTexts[8] = "0120-123-456 内線12";
    far.noteLines[2] = "前職分を含む（株式会社見本商事）";
    far.personReading = "ヤマダタロウ";
    PrintData overlong = test::statementFixturePerson();
    overlong.noteLines[1] = std::string(50 * 3, ' ');
    for (int i = 0; i < 50; ++i) overlong.noteLines[1].replace(3 * i, 3, "前");
    PrintData long34 = test::statementFixturePerson();
    long34.companyTexts[3] = "東京都千代田区神田錦町三丁目二十一番地　錦町トラッドスクエア第十二階";
    long34.personName = "寿限無寿限無五劫の擦切れ";
    return {{"fixture", test::statementFixturePerson()},
            {"far", far},
            {"overlong", overlong},
            {"long tax place and name", long34}};
}

// At both ends of each box's range every glyph of the data lies wholly on the paper, and a
// millimetre further would push one off (or the range ends at no shift).
TEST(StatementShift, TheRangeKeepsEveryGlyphWhollyOnThePaper) {
    const double paperHeight = 595 * 25.4 / 72;  // A4 in whole points, as the page holds it
    for (const auto& [name, data] : shiftPersons())
        for (StatementPart part : {StatementPart::Data, StatementPart::FormAndData}) {
            SCOPED_TRACE(name + (part == StatementPart::Data ? " data only" : " full"));
            const StatementShiftRange right =
                statementShiftRange(data, part, StatementShiftBox::Right);
            const StatementShiftRange down =
                statementShiftRange(data, part, StatementShiftBox::Down);
            const double shifts[][2] = {{double(right.least), double(down.least)},
                                        {double(right.most), double(down.least)},
                                        {double(right.least), double(down.most)},
                                        {double(right.most), double(down.most)}};
            const bool overlong = name == "overlong";
            for (const auto& shift : shifts) {
                SCOPED_TRACE(std::to_string(shift[0]) + ", " + std::to_string(shift[1]));
                double least[2] = {1e9, 1e9};
                double most[2] = {-1e9, -1e9};
                for (const PrintOperation& text :
                     dataTexts(printed(data, part, shift[0], shift[1]))) {
                    const std::optional<Ink> ink = inkOf(text);
                    if (!ink) continue;
                    least[0] = std::min(least[0], ink->left);
                    least[1] = std::min(least[1], ink->top);
                    most[0] = std::max(most[0], ink->right);
                    most[1] = std::max(most[1], ink->bottom);
                    const bool onPaper = ink->left >= 0 && ink->top >= 0 && ink->right <= 297 &&
                                         ink->bottom <= paperHeight;
                    EXPECT_TRUE(onPaper) << text.text << " at " << text.x << ", " << text.y;
                }
                // One millimetre beyond each end of the range is off the paper.
                EXPECT_TRUE(shift[0] != right.least || least[0] - 1 < 0);
                EXPECT_TRUE(shift[1] != down.least || least[1] - 1 < 0);
                EXPECT_TRUE(shift[0] != right.most || most[0] + 1 > 297 || right.most == 0);
                EXPECT_TRUE(shift[1] != down.most || most[1] + 1 > paperHeight);
            }
            // The remark keeps to its cell and the telephone number to the copy's frame, however
            // long: the overlong remark leaves the fixture's range, and the telephone number of
            // the lower right-hand copy, fitted before the frame at 286 mm, narrows it to 11.
            const StatementShiftRange fixture =
                statementShiftRange(test::statementFixturePerson(), part, StatementShiftBox::Right);
            EXPECT_TRUE(!overlong || (right.least == fixture.least && right.most == fixture.most));
            EXPECT_TRUE(name != "far" || right.most == 11) << right.most;
        }
}

TEST(StatementShift, TheFixturePersonsRangeEndsWhereTheBirthDayAndThePayerMeetTheEdges) {
    const PrintData data = test::statementFixturePerson();
    using B = StatementShiftBox;
    struct Case {
        StatementPart part;
        StatementShiftBox box;
        int least;
        int most;
    };
    // The birth day's digit ends at 284.2 mm under the form and 283.2 mm on the data alone; the
    // payer's name of the lower copies (11 points at 191 mm) at 194.9 mm; the marks start at
    // 8 mm, the address at 10 mm, and under the form the reading at 9.66 mm, clear of the rule
    // below it.
    const Case cases[] = {{StatementPart::FormAndData, B::Right, -8, 12},
                          {StatementPart::Data, B::Right, -8, 13},
                          {StatementPart::FormAndData, B::Down, -9, 15},
                          {StatementPart::Data, B::Down, -10, 15}};
    for (const Case& c : cases) {
        const StatementShiftRange range = statementShiftRange(data, c.part, c.box);
        EXPECT_EQ(range.least, c.least);
        EXPECT_EQ(range.most, c.most);
    }
}

TEST(StatementShift, ARefusedShiftPrintsNothingAndSaysWhy) {
    const double shifts[][2] = {{15, 0}, {0, -11}, {2.5, 0}, {32760, 0}};
    for (StatementPart part : {StatementPart::Data, StatementPart::FormAndData}) {
        for (const auto& shift : shifts) {
            RecordingPage page;
            try {
                printStatement(page, test::statementFixturePerson(), part, shift[0], shift[1]);
                ADD_FAILURE() << "printed with " << shift[0] << "," << shift[1];
            } catch (const Failure& failure) {
                EXPECT_NE(std::string(failure.what()).find(shift[0] != 0 ? "右側へ" : "下方へ"),
                          std::string::npos);
            }
            EXPECT_TRUE(page.operations().empty());
        }
    }
}

}  // namespace
}  // namespace nencho
