#include "statement/statement_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/recording_page.h"
#include "printing/form_drawing.h"
#include "statement/statement_frame.h"
#include "statement/statement_printout.h"

namespace nencho {
namespace {

using Kind = PrintOperation::Kind;

const double kThick = pixelsAt300DpiToMillimetres(6);
const double kThin = pixelsAt300DpiToMillimetres(3);

RecordingPage blankForm(std::string_view eraYear = "17") {
    RecordingPage page;
    printBlankStatementForm(page, eraYear);
    return page;
}

bool hasText(const RecordingPage& page, const std::string& text, double x, double y,
             double points) {
    for (const auto& op : page.operationsOf(Kind::Text))
        if (op.text == text && op.x == x && op.y == y && op.fontSize == points) return true;
    return false;
}

bool hasLine(const RecordingPage& page, double x1, double y1, double x2, double y2, double width) {
    for (const auto& op : page.operationsOf(Kind::Line))
        if (op.x == x1 && op.y == y1 && op.x2 == x2 && op.y2 == y2 && op.lineWidth == width)
            return true;
    return false;
}

TEST(StatementForm, BlankFormIsOnePageOfTextsAndRulesInTheStatementFont) {
    const RecordingPage page = blankForm();
    const auto& ops = page.operations();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front().kind, Kind::FontName);
    EXPECT_EQ(ops.front().text, "MS 明朝");
    EXPECT_EQ(page.operationsOf(Kind::FontName).size(), 1u);
    // The caller ends the document.
    EXPECT_TRUE(page.operationsOf(Kind::EndDocument).empty());
    EXPECT_TRUE(page.operationsOf(Kind::Image).empty());

    // 95 headings and labels, and 98 captions in each of the four copies.
    const auto texts = page.operationsOf(Kind::Text);
    EXPECT_EQ(texts.size(), 95u + 4 * 98u);
    for (const auto& text : texts) EXPECT_EQ(text.fontName, "MS 明朝") << text.text;

    // 71 grid rules in each copy, 18 more in each upper copy and 6 in each lower one.
    const auto lines = page.operationsOf(Kind::Line);
    EXPECT_EQ(lines.size(), 4 * 71u + 2 * 18u + 2 * 6u);
    const auto widthCount = [&](double width) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const PrintOperation& op) { return op.lineWidth == width; });
    };
    // The four frames, the upper copies' strips and rows, the lower copies' 整理欄 edge.
    EXPECT_EQ(widthCount(kThick), 4 * 4 + 2 * 16 + 2 * 1);
    EXPECT_EQ(widthCount(kThin), 4 * 67 + 2 * 2 + 2 * 5);
}

TEST(StatementForm, RuleWidthsAreThoseOfA300DpiPrinterOnEveryDevice) {
    EXPECT_DOUBLE_EQ(statementRuleWidth(6), 0.508);
    EXPECT_DOUBLE_EQ(statementRuleWidth(3), 0.254);
}

TEST(StatementForm, ElementsLandAtTheirCopysOriginPlusTheirOffset) {
    const RecordingPage page = blankForm("13");
    struct Line {
        double x1, y1, x2, y2, width;
    };
    const Line lines[] = {
        // The frames of copies 2 to 4, all thick although each copy before ends thin.
        {153, 5, 286, 5, 0},
        {153, 5, 153, 94, 0},
        {286, 5, 286, 94, 0},
        {153, 94, 286, 94, 0},
        {8, 108, 141, 108, 0},
        {8, 197, 141, 197, 0},
        {153, 108, 286, 108, 0},
        {286, 108, 286, 197, 0},
        // Copy 2's top strip along the page's top edge, the lower copies' 整理欄 edge.
        {174, 0, 286, 0, 0},
        {8, 200, 103, 200, 0},
        {153, 200, 248, 200, 0},
        // Copy 4's upper part of the address label's edge, thin.
        {168, 108, 168, 117, 1},
    };
    for (const Line& l : lines)
        EXPECT_TRUE(hasLine(page, l.x1, l.y1, l.x2, l.y2, l.width == 0 ? kThick : kThin))
            << l.x1 << "," << l.y1 << "-" << l.x2 << "," << l.y2;

    struct Text {
        std::string text;
        double x, y, points;
    };
    const Text texts[] = {
        // Heading and title of the lower copies; copy 4's pair is 2 mm further right.
        {"平成 17 年分", 38, 103, 11},
        {"平成 17 年分", 185, 103, 11},
        {"給与所得の源泉徴収票", 65, 102, 14},
        {"給与所得の源泉徴収票", 212, 102, 14},
        {"⑱", 2, 5, 14},
        {"⑱", 147, 5, 14},
        // Copy 1's lowest text, on the line of the lower-edge captions.
        {"用", 5, 95, 7},
        {"※", 21, 95, 8},
        {"整　理　欄", 158, 197, 8},
        // A caption of every copy, and the working year in every copy.
        {"受給者番号", 87, 6, 7},
        {"受給者番号", 232, 6, 7},
        {"受給者番号", 87, 109, 7},
        {"受給者番号", 232, 109, 7},
        {"13", 96, 75, 6},
        {"13", 241, 75, 6},
        {"13", 96, 178, 6},
        {"13", 241, 178, 6},
    };
    for (const Text& t : texts)
        EXPECT_TRUE(hasText(page, t.text, t.x, t.y, t.points))
            << t.text << " " << t.x << "," << t.y;
}

TEST(StatementForm, TheWorkingYearIsPrintedAsGivenInEveryCopyAndTheHeadingKeepsItsOwn) {
    for (const std::string year : {"17", "14", "", " 7x"}) {
        const RecordingPage page = blankForm(year);
        const auto texts = page.operationsOf(Kind::Text);
        const auto atYearCell = [&](double x, double y) {
            return std::count_if(texts.begin(), texts.end(), [&](const PrintOperation& op) {
                return op.x == x && op.y == y && op.text == year;
            });
        };
        for (const auto& origin : kStatementCopyOrigins)
            EXPECT_EQ(atYearCell(origin.x + 96, origin.y + 75), 1) << "[" << year << "]";
        // The heading keeps its own year whatever the working year is.
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                [](const PrintOperation& op) { return op.text == "平成 17 年分"; }),
                  2);
    }
}

// The frame of a copy as the grid draws it: the box around its thick rules.
struct Box {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

Box frameOfGrid() {
    Box box{1000, 1000, -1000, -1000};
    for (const StatementFormRule& rule : statementGrid()) {
        if (rule.pixels != 6) continue;
        box.left = std::min({box.left, rule.x1, rule.x2});
        box.top = std::min({box.top, rule.y1, rule.y2});
        box.right = std::max({box.right, rule.x1, rule.x2});
        box.bottom = std::max({box.bottom, rule.y1, rule.y2});
    }
    return box;
}

TEST(StatementForm, EveryCaptionStartsInsideItsCopysFrame) {
    const Box frame = frameOfGrid();
    ASSERT_LT(frame.left, frame.right);
    for (const StatementFormText& caption : statementCaptions())
        EXPECT_TRUE(frame.contains(caption.x, caption.y))
            << caption.text << " at " << caption.x << "," << caption.y;

    // On the page, each copy's captions fall inside that copy's frame and no other.
    const RecordingPage page = blankForm();
    const auto texts = page.operationsOf(Kind::Text);
    const std::size_t headings = 95;
    for (std::size_t i = headings; i < texts.size(); ++i) {
        const int copy = static_cast<int>((i - headings) / statementCaptions().size()) + 1;
        for (int other = 1; other <= kStatementCopies; ++other) {
            const StatementCopyOrigin origin = statementCopyOrigin(other);
            const Box box{frame.left + origin.x, frame.top + origin.y, frame.right + origin.x,
                          frame.bottom + origin.y};
            EXPECT_EQ(box.contains(static_cast<int>(texts[i].x), static_cast<int>(texts[i].y)),
                      other == copy)
                << texts[i].text << " of copy " << copy;
        }
    }
}

// What a printed text of the form covers: the em box of each character it prints, blanks none.
struct Extent {
    std::string character;
    double left, top, right, bottom;
};

std::vector<Extent> extentsAt(const PrintOperation& text, double points) {
    std::vector<Extent> extents;
    const double em = points * kMillimetresPerPoint;
    double left = text.x;
    for (const std::string& character : charactersOf(text.text)) {
        const double width = emsOf(character) * em;
        if (character != " " && character != "　")
            extents.push_back({character, left, text.y, left + width, text.y + em});
        left += width;
    }
    return extents;
}

bool overlap(const Extent& a, const Extent& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A rule's ink: its length and half its width to either side. A text the form starts on a rule
// of its cell keeps that start, so only the rules right of and below its top-left corner count.
std::optional<std::string> ruleCrossed(const std::vector<PrintOperation>& lines,
                                       const PrintOperation& text, const Extent& extent) {
    for (const PrintOperation& line : lines) {
        const double half = line.lineWidth / 2;
        const bool vertical = line.x == line.x2;
        if (vertical ? line.x <= text.x : line.y <= text.y) continue;
        const Extent ink{"", std::min(line.x, line.x2) - (vertical ? half : 0),
                         std::min(line.y, line.y2) - (vertical ? 0 : half),
                         std::max(line.x, line.x2) + (vertical ? half : 0),
                         std::max(line.y, line.y2) + (vertical ? 0 : half)};
        if (overlap(extent, ink))
            return vertical ? "the rule at x " + std::to_string(line.x)
                            : "the rule at y " + std::to_string(line.y);
    }
    return std::nullopt;
}

// What each text of the page covers as printed.
std::vector<std::vector<Extent>> extentsOf(const std::vector<PrintOperation>& texts) {
    std::vector<std::vector<Extent>> extents;
    for (const PrintOperation& text : texts) extents.push_back(extentsAt(text, text.fontSize));
    return extents;
}

// Where the text (or the word of wordLength texts running down from it), printed at the size,
// runs across a rule or onto another text of the page as printed.
std::vector<std::string> crossings(const std::vector<PrintOperation>& texts,
                                   const std::vector<std::vector<Extent>>& printed,
                                   const std::vector<PrintOperation>& lines, std::size_t index,
                                   double points, std::size_t wordLength = 1) {
    std::vector<std::vector<Extent>> word;
    for (std::size_t i = index; i < index + wordLength; ++i)
        word.push_back(extentsAt(texts[i], points));
    std::vector<std::string> found;
    for (std::size_t i = index; i < index + wordLength; ++i) {
        for (const Extent& extent : word[i - index]) {
            if (const auto rule = ruleCrossed(lines, texts[i], extent))
                found.push_back(extent.character + " crosses " + *rule);
            for (std::size_t other = 0; other < texts.size(); ++other) {
                if (other == i) continue;
                const bool sameWord = other >= index && other < index + wordLength;
                for (const Extent& theirs : sameWord ? word[other - index] : printed[other])
                    if (overlap(extent, theirs))
                        found.push_back(extent.character + " touches " + theirs.character + " of " +
                                        texts[other].text);
            }
        }
    }
    return found;
}

std::string described(const PrintOperation& text, const std::vector<std::string>& found) {
    std::string description = "\"" + text.text + "\" at " + std::to_string(text.x) + "," +
                              std::to_string(text.y) + " in " + std::to_string(text.fontSize) +
                              " pt:";
    for (const std::string& what : found) description += " " + what + ";";
    return description;
}

constexpr std::size_t kHeadings = 95;

TEST(StatementForm, EveryCaptionStandsInsideItsCellClearOfTheOtherTexts) {
    const RecordingPage page = blankForm();
    const auto texts = page.operationsOf(Kind::Text);
    const auto lines = page.operationsOf(Kind::Line);
    const auto printed = extentsOf(texts);
    ASSERT_EQ(texts.size(), kHeadings + 4 * statementCaptions().size());
    for (std::size_t i = kHeadings; i < texts.size(); ++i) {
        const auto found = crossings(texts, printed, lines, i, texts[i].fontSize);
        EXPECT_TRUE(found.empty()) << described(texts[i], found);
    }
}

// A caption printed smaller than the form's size would cross a rule or touch another text a
// tenth of a point larger; a word running down its column grows as one.
TEST(StatementForm, ACaptionIsPrintedSmallerOnlyAsFarAsItMust) {
    const RecordingPage page = blankForm();
    const auto texts = page.operationsOf(Kind::Text);
    const auto lines = page.operationsOf(Kind::Line);
    const auto printed = extentsOf(texts);
    const auto captions = statementCaptions();
    const auto oneCharacter = [](const PrintOperation& text) {
        return extentsAt(text, 1).size() == 1;
    };
    std::vector<std::string> smaller;
    for (std::size_t i = kHeadings; i < texts.size();) {
        std::size_t length = 1;
        while (i + length < texts.size() && oneCharacter(texts[i]) &&
               oneCharacter(texts[i + length]) && texts[i + length].x == texts[i].x &&
               texts[i + length].fontSize == texts[i].fontSize &&
               texts[i + length].y > texts[i + length - 1].y)
            ++length;
        const StatementFormText& caption = captions[(i - kHeadings) % captions.size()];
        EXPECT_LE(texts[i].fontSize, caption.points) << texts[i].text;
        if (texts[i].fontSize < caption.points) {
            EXPECT_FALSE(
                crossings(texts, printed, lines, i, texts[i].fontSize + 0.1, length).empty())
                << described(texts[i], {"could be larger"});
            if (i < kHeadings + captions.size()) {
                std::string word;
                for (std::size_t c = i; c < i + length; ++c) word += texts[c].text;
                char size[16];
                std::snprintf(size, sizeof size, "%.1f", texts[i].fontSize);
                smaller.push_back(word + " " + size);
            }
        }
        i += length;
    }
    // Copy 1's captions printed smaller than the form's size, and their sizes.
    const std::vector<std::string> expected = {
        "支 　払 6.3",        "る 　者 6.3",
        "控除対象 5.6",       "配偶者の 5.6",
        "老人 5.3",           "扶   養   親   族   の   数 5.6",
        "障害者の数 5.6",     "配  偶  者 の 合計所得 7.6",
        "未成年者 5.6",       "その他 5.6",
        "勤労学生 5.6",       "死亡退職 5.6",
        "年　　月　　日 5.6", "明　　大　昭 5.5",
        "年　　月　　日 5.1", "住 所(居所) 7.6",
        "名　  　　称 7.0",   "有無  有無 6.7"};
    EXPECT_EQ(smaller, expected);
}

// A printer that fails at its n-th drawing operation.
class FailingPage : public RecordingPage {
  public:
    explicit FailingPage(int failAt) : remaining_(failAt) {}
    void printText(std::string_view text) override {
        countDown();
        RecordingPage::printText(text);
    }
    void drawLine(double x1, double y1, double x2, double y2) override {
        countDown();
        RecordingPage::drawLine(x1, y1, x2, y2);
    }

  private:
    void countDown() {
        if (--remaining_ == 0) throw PrinterFailure("プリンタに印刷できません。");
    }
    int remaining_;
};

TEST(StatementForm, APrinterFailureStopsTheFormAndReachesTheCaller) {
    for (int failAt : {1, 200, 600}) {
        FailingPage page(failAt);
        EXPECT_THROW(printBlankStatementForm(page, "17"), PrinterFailure) << failAt;
        const std::size_t drawn =
            page.operationsOf(Kind::Text).size() + page.operationsOf(Kind::Line).size();
        EXPECT_EQ(drawn, static_cast<std::size_t>(failAt - 1));
    }
}

TEST(StatementForm, EveryBlankFormIsTheSame) {
    EXPECT_EQ(blankForm().log(), blankForm().log());
}

}  // namespace
}  // namespace nencho
