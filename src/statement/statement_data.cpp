#include "statement/statement_data.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "common/amount.h"
#include "printing/form_drawing.h"
#include "printing/print_data.h"
#include "printing/printout_text.h"
#include "statement/statement_form.h"

namespace nencho {

namespace {

constexpr std::string_view kMark = "〇";  // U+3007, the font's ideographic zero

// A rule of the form on the page, as the area its ink covers.
struct RuleArea {
    double left;
    double top;
    double right;
    double bottom;
};

// The rules of one copy of the form.
std::vector<RuleArea> copyRules(int copy) {
    const StatementCopyOrigin origin = statementCopyOrigin(copy);
    std::vector<RuleArea> areas;
    const auto add = [&](std::span<const StatementFormRule> rules) {
        for (const StatementFormRule& rule : rules) {
            const double half = statementRuleWidth(rule.pixels) / 2;
            areas.push_back({origin.x + std::min(rule.x1, rule.x2) - half,
                             origin.y + std::min(rule.y1, rule.y2) - half,
                             origin.x + std::max(rule.x1, rule.x2) + half,
                             origin.y + std::max(rule.y1, rule.y2) + half});
        }
    };
    add(statementGrid());
    add(copy <= 2 ? upperCopyRules() : lowerCopyRules());
    return areas;
}

// How far a text moved off a rule keeps from it; an amount against a right edge keeps a little
// further from the rules beside it, so that amounts either side of a rule never read as one
// number (an amount from its left edge starts where the tables put it, clear of its rule).
constexpr double kRuleClearance = 0.2;
constexpr double kAmountClearance = 0.3;

// A character's ink lies between a tenth of an em and 0.95 em below the top of its em box.
constexpr double kInkTop = 0.1;
constexpr double kInkBottom = 0.95;

// Places the data elements of one copy: each offset from the copy's origin carries the fixed
// correction and the user's shift. Under the form, a text whose place would put its ink on a
// rule of the form moves the least way that keeps it off, the same at every shift.
class DataPen {
  public:
    DataPen(PrinterPage& page, StatementCopyOrigin origin, StatementDataShift shift,
            const std::vector<RuleArea>* formRules)
        : page_(page), origin_(origin), shift_(shift), formRules_(formRules) {}

    void size(int points) {
        points_ = points;
        page_.setFontSize(points);
    }
    // The size the page is already set to.
    void sizeInForce(int points) { points_ = points; }

    void text(int x, int y, std::string_view text) {
        put(statementDataPosition(origin_, shift_, x, y), text, points_);
    }
    // A text whose ink is no wider than `width` millimetres: at the current size when it fits,
    // otherwise as large as fits (to a tenth of a point), centred on the line; the size stays as
    // it was. Blanks after the text print no ink.
    void fittedText(int x, int y, double width, std::string_view text) {
        if (text.empty()) return this->text(x, y, text);
        const PagePoint point = statementDataPosition(origin_, shift_, x, y);
        print(fitTextInRoom(text, point.x, point.y, points_, {point.x + width, 0, 0}));
    }
    // A text in its room on the form, up to `right` and between `top` and `bottom`, given as
    // offsets from the copy's origin where the form stands: at the current size when it fits,
    // otherwise as fitTextInRoom places it. The room moves with the user's shift, so that a text
    // prints in the same size at every shift.
    void fittedText(int x, int y, const TextRoom& room, std::string_view text) {
        if (text.empty()) return this->text(x, y, text);
        const PagePoint point = statementDataPosition(origin_, shift_, x, y);
        print(fitTextInRoom(text, point.x, point.y, points_,
                            {origin_.x + room.right + shift_.x, origin_.y + room.top + shift_.y,
                             origin_.y + room.bottom + shift_.y}));
    }
    void textIf(bool condition, int x, int y, std::string_view text) {
        if (condition) this->text(x, y, text);
    }
    void mark(bool condition, int x, int y) { textIf(condition, x, y, kMark); }
    // "#,###": 0 prints nothing.
    void amount(int x, int y, std::int64_t yen) { text(x, y, formatAmount(yen)); }
    // "#,###" on one line between `left` and `right` on the form (see fittedText), as wide as
    // it may be once moved off a rule at its left; 0 prints nothing.
    void fittedAmount(int x, int y, double left, double right, std::int64_t yen) {
        const double start = x + kStatementDataCorrection;
        fittedText(x, y, {right - std::max(0.0, left - start), 0, 0}, formatAmount(yen));
    }
    // Placed by the width of its plain digits, so that an amount with separators runs past
    // the right edge by their width; where that would not keep between `left` and `right` on
    // the form (offsets from the copy's origin, moving with the shift), as
    // fitRightAlignedAmount places it, centred on the line.
    void rightAlignedAmount(int rightX, int y, std::int64_t yen, double left, double right) {
        const PagePoint edge = statementDataPosition(origin_, shift_, rightX, y);
        const std::string measured = decimal(yen);
        const std::string printed = formatAmount(yen);
        const FittedAmount fitted = fitRightAlignedAmount(
            measured, printed, edge.x, origin_.x + left + kAmountClearance + shift_.x,
            origin_.x + right - kAmountClearance + shift_.x, points_);
        if (!fitted.moved) {
            put({edge.x - page_.textWidth(measured), edge.y}, printed, points_);
            return;
        }
        if (fitted.points != points_) page_.setFontSize(fitted.points);
        put({fitted.left, edge.y + (points_ - fitted.points) * kMillimetresPerPoint / 2}, printed,
            fitted.points);
        if (fitted.points != points_) page_.setFontSize(points_);
    }

  private:
    void print(const FittedText& fitted) {
        if (fitted.points != points_) page_.setFontSize(fitted.points);
        for (const FittedLine& line : fitted.lines) put({line.x, line.y}, line.text, fitted.points);
        if (fitted.points != points_) page_.setFontSize(points_);
    }

    void put(PagePoint point, std::string_view text, double points) {
        const PagePoint at = formRules_ ? offTheRules(point, text, points) : point;
        page_.moveTo(at.x, at.y);
        page_.printText(text);
    }

    // The place nearest `point` where the text's ink touches no rule of the form, measured
    // without the shift; the point itself when no such place is found in a few steps.
    PagePoint offTheRules(PagePoint point, std::string_view text, double points) const {
        const std::vector<std::string> characters = charactersOf(text);
        const auto first = std::find_if_not(characters.begin(), characters.end(),
                                            [](const std::string& c) { return c == " "; });
        if (first == characters.end()) return point;
        const auto last =
            std::find_if_not(characters.rbegin(), characters.rend(), [](const std::string& c) {
                return c == " ";
            }).base();
        const double em = points * kMillimetresPerPoint;
        double before = 0;
        for (auto c = characters.begin(); c != first; ++c) before += emsOf(*c) * em;
        double width = 0;
        for (auto c = first; c != last; ++c) width += emsOf(*c) * em;
        PagePoint at{point.x - shift_.x, point.y - shift_.y};
        for (int step = 0; step < 4; ++step) {
            const RuleArea ink{at.x + before, at.y + kInkTop * em, at.x + before + width,
                               at.y + kInkBottom * em};
            const RuleArea* touched = nullptr;
            for (const RuleArea& rule : *formRules_)
                if (ink.left < rule.right && rule.left < ink.right && ink.top < rule.bottom &&
                    rule.top < ink.bottom)
                    touched = &rule;
            if (!touched) return {at.x + shift_.x, at.y + shift_.y};
            const bool vertical = touched->bottom - touched->top > touched->right - touched->left;
            if (vertical) {
                const bool ruleLeft = touched->left + touched->right < ink.left + ink.right;
                at.x += ruleLeft ? touched->right + kRuleClearance - ink.left
                                 : touched->left - kRuleClearance - ink.right;
            } else {
                const bool ruleAbove = touched->top + touched->bottom < ink.top + ink.bottom;
                at.y += ruleAbove ? touched->bottom + kRuleClearance - ink.top
                                  : touched->top - kRuleClearance - ink.bottom;
            }
        }
        return point;
    }

    PrinterPage& page_;
    StatementCopyOrigin origin_;
    StatementDataShift shift_;
    const std::vector<RuleArea>* formRules_;
    int points_ = 0;
};

std::int32_t result(const PrintData& data, AdjustmentValue value) {
    return data.adjustmentResult[value];
}

const std::string& dependantName(const PrintData& data, int row) {
    return data.dependantTable[row][kDependantNameColumn];
}

// The sign's place (a blank or "-"), the digits, and a closing blank.
std::string birthNumber(std::int64_t value) {
    const std::string sign = value < 0 ? "-" : " ";
    return sign + decimal(value < 0 ? -value : value) + " ";
}

// Where a text's room ends before a rule of the form, or begins after it, given by its offset
// from the copy's origin and its width in 300 dpi pixels: a fifth of a millimetre clear of it.
double before(int rule, int pixels) {
    return rule - statementRuleWidth(pixels) / 2 - 0.2;
}
double after(int rule, int pixels) {
    return rule + statementRuleWidth(pixels) / 2 + 0.2;
}

// The telephone number stands right of the payer's name, further right in the lower copies.
int telephoneX(bool upperCopy) {
    return upperCopy ? 100 : 110;
}

// The payee, the payer, the pay kind, the four main amounts and the dependants' names. Each text
// keeps between the rules of its cell: the address cell ends at 83 and the upper copies rule it
// off at 9 above; the name and its reading stand either side of the rule at 13 up to the frame
// at 141; the payer's address and name fill the rows from 78 to 86 and 94, the name up to 1 mm
// before the telephone number.
void drawPayeeBlock(DataPen& pen, const PrintData& data, bool upperCopy) {
    pen.size(11);
    const int addressTop = upperCopy ? 9 : 5;
    pen.fittedText(27, 12, {before(83, 3), after(addressTop, 3), 17 + kStatementDataCorrection},
                   data.personAddress1);
    pen.fittedText(27, 17, {before(83, 3), 17 + kStatementDataCorrection, before(20, 3)},
                   data.personAddress2);
    pen.fittedText(110, 17, {before(141, 6), after(13, 3), before(20, 3)}, data.personName);
    pen.fittedText(38, 82, {before(141, 6), after(78, 3), before(86, 3)}, data.companyTexts[3]);
    pen.fittedText(
        38, 90,
        {telephoneX(upperCopy) + kStatementDataCorrection - 1.0, after(86, 3), before(94, 6)},
        data.companyTexts[2]);
    pen.textIf(data.payKindTexts[1] == "役員報酬", 13, 29, "役員報酬");
    pen.textIf(data.payKindTexts[2] == "給与賞与", 13, 29, "給与賞与");
    pen.textIf(data.payKindTexts[3] == "給与", 13, 29, "給    与");
    pen.textIf(data.payKindTexts[4] == "専従者給与", 13, 29, "専従者給与");
    pen.rightAlignedAmount(56, 29, result(data, AdjustmentValue::PayInAll), after(32, 3),
                           before(60, 3));
    pen.rightAlignedAmount(83, 29, result(data, AdjustmentValue::EmploymentIncome), after(60, 3),
                           before(87, 3));
    pen.rightAlignedAmount(110, 29, result(data, AdjustmentValue::DeductionsInAll), after(87, 3),
                           before(114, 3));
    pen.rightAlignedAmount(138, 29, result(data, AdjustmentValue::AnnualTax), after(114, 3),
                           before(141, 6));
    pen.size(9);
    // The names stand 15 mm apart: a longer name is printed smaller instead of running into the
    // next one, and keeps a millimetre clear of it.
    constexpr double kNameWidth = 14;
    pen.fittedText(22, 54, kNameWidth, dependantName(data, kSpouseRow));
    pen.fittedText(37, 54, kNameWidth, dependantName(data, 2));
    pen.fittedText(52, 54, kNameWidth, dependantName(data, 3));
    pen.fittedText(67, 54, kNameWidth, dependantName(data, 4));
    pen.fittedText(22, 57, kNameWidth, dependantName(data, 5));
    pen.fittedText(37, 57, kNameWidth, dependantName(data, 6));
    pen.textIf(data.personPosition == "代表取締役", 89, 18, "代表取締役");
    pen.textIf(data.personPosition == "取締役", 89, 18, "取締役");
    pen.textIf(data.personPosition == "監査役", 89, 18, "監査役");
    pen.fittedText(104, 12, {before(141, 6), after(9, 3), before(13, 3)}, data.personReading);
}

struct StatusMark {
    int statusText;  // the element of the person's status texts
    std::string_view word;
    int x;
};
// The marks of the status band, at y 77, left to right.
constexpr StatusMark kStatusMarks[] = {
    {8, "夫あり", 11},  {9, "未成年者", 17}, {17, "乙欄", 23},     {1, "特別障害者", 28},
    {2, "障害者", 33},  {3, "老年者", 40},   {4, "寡婦", 45},      {5, "特別寡婦", 51},
    {6, "寡夫", 58},    {7, "勤労学生", 63}, {10, "死亡退職", 69}, {18, "災害者", 75},
    {11, "外国人", 81},
};

// The telephone, the deductions row, the premiums beside the remarks, the spouse mark, the
// status marks and the counts. Begins at the size the block before it left (9 points).
void drawDeductionsBlock(DataPen& pen, const PrintData& data, int copy, StatementPart part) {
    const bool upperCopy = copy <= 2;
    pen.fittedText(telephoneX(upperCopy), 90, {before(141, 6), after(86, 3), before(94, 6)},
                   "(Tel) " + data.companyTexts[8]);
    // Summed wide: the three can exceed 32 bits together.
    // The premiums keep to their cells, 84 to 103 and 103 to 141 after it, and the mutual aid
    // premiums clear of the 内 before them.
    pen.rightAlignedAmount(101, 45,
                           std::int64_t{result(data, AdjustmentValue::SocialInsuranceFromPay)} +
                               result(data, AdjustmentValue::DeclaredSocialInsurance) +
                               result(data, AdjustmentValue::MutualAidPremiums),
                           after(84, 3), before(103, 3));
    const double afterWithin = 87 + kStatementDataCorrection + 6 * kMillimetresPerPoint + 0.2;
    pen.rightAlignedAmount(101, 42, result(data, AdjustmentValue::MutualAidPremiums), afterWithin,
                           before(103, 3));
    pen.size(6);
    pen.text(87, 42, "内");
    pen.size(9);
    pen.fittedAmount(105, 45, after(103, 3), before(115, 3),
                     result(data, AdjustmentValue::LifeInsuranceDeduction));
    pen.fittedAmount(120, 45, after(115, 3), before(128, 3),
                     result(data, AdjustmentValue::CasualtyDeduction));
    pen.fittedAmount(131, 45, after(128, 3), before(141, 6),
                     result(data, AdjustmentValue::HousingLoanCredit));
    pen.rightAlignedAmount(137, 52, data.spouseTotalIncome, after(114, 3), before(141, 6));
    pen.rightAlignedAmount(137, 58, data.lifePensionAmounts[8], after(114, 3), before(141, 6));
    pen.rightAlignedAmount(137, 64, data.casualtyAmounts[3], after(114, 3), before(141, 6));
    pen.mark(data.spouseFlag == 1, 10, 46);
    // On paper without the form, the mark on 無 of the upper copies stands 1 mm further left.
    pen.mark(data.spouseFlag == 0, upperCopy && part == StatementPart::Data ? 12 : 13, 46);
    for (const StatusMark& status : kStatusMarks)
        pen.mark(data.personStatusTexts[status.statusText] == status.word, status.x, 77);
    pen.size(8);
    pen.fittedAmount(28, 45, after(25, 3), before(37, 3),
                     result(data, AdjustmentValue::SpouseSpecialDeduction));
    pen.amount(44, 45, data.kindCounts[4]);
    pen.amount(57, 45, std::int64_t{data.kindCounts[5]} + data.kindCounts[6]);
    pen.amount(65, 45, data.otherDependantsCount);
    pen.amount(73, 45, std::int64_t{data.kindCounts[2]} + data.kindCounts[3]);
    pen.amount(80, 45, data.kindCounts[1]);
}

// Joining or leaving and the birth date. Begins at the size the block before it left (8 points).
void drawDatesBlock(DataPen& pen, const PrintData& data, StatementPart part) {
    pen.mark(data.personStatusTexts[12] == "就　職", 88, 77);
    pen.mark(data.personStatusTexts[13] == "退　職", 93, 77);
    pen.text(102, 77, data.personStatusTexts[15]);
    pen.text(107, 77, data.personStatusTexts[16]);
    pen.mark(data.birthEra == "明治", 111, 77);
    pen.mark(data.birthEra == "大正", 115, 77);
    pen.mark(data.birthEra == "昭和", 120, 77);
    pen.mark(data.birthEra == "平成", 125, 77);
    // Under the form the birth date stands 1 mm further right, where a two-digit month or day
    // at 8 points would run under the rule that ends its cell (the day's is the copy's thick
    // right side): a number is printed as large as keeps its digits a fifth of a millimetre
    // clear of that rule.
    const int right = part == StatementPart::FormAndData ? 1 : 0;
    const auto clearOf = [](int x, int rule, int pixels) {
        return before(rule, pixels) - (x + kStatementDataCorrection);
    };
    pen.fittedText(127 + right, 77, clearOf(127 + right, 131, 3), birthNumber(data.birthYear));
    pen.fittedText(133 + right, 77, clearOf(133 + right, 136, 3), birthNumber(data.birthMonth));
    pen.fittedText(138 + right, 77, clearOf(138 + right, 141, 6), birthNumber(data.birthDay));
}

struct RemarkLine {
    int copy;
    int line;
    int x;
    int y;
};
// Copy 1's lines stand 1 mm higher in their copy than the others'; those of the right-hand
// copies 2 mm further right.
constexpr RemarkLine kRemarkLines[] = {
    {3, 1, 12, 61}, {3, 2, 12, 64}, {1, 1, 12, 60}, {1, 2, 12, 63},
    {2, 1, 14, 61}, {2, 2, 14, 64}, {4, 1, 14, 61}, {4, 2, 14, 64},
};

// Each line keeps to the remarks cell, whose right rule stands at 82: the first above the
// second, the second above the cell's bottom rule at 66.
void drawRemarkLines(PrinterPage& page, const PrintData& data, StatementDataShift shift,
                     const std::array<std::vector<RuleArea>, kStatementCopies>* formRules) {
    page.setFontSize(9);
    for (const RemarkLine& remark : kRemarkLines) {
        DataPen pen(page, statementCopyOrigin(remark.copy), shift,
                    formRules ? &(*formRules)[static_cast<std::size_t>(remark.copy - 1)] : nullptr);
        pen.sizeInForce(9);
        const double top = remark.y + kStatementDataCorrection;
        const double bottom = remark.line == 1 ? top + 3 : before(66, 3);
        pen.fittedText(remark.x, remark.y, {before(82, 3), top, bottom},
                       data.noteLines[remark.line]);
    }
}

void drawCopyData(PrinterPage& page, const PrintData& data, StatementPart part,
                  StatementDataShift shift, int copy,
                  const std::array<std::vector<RuleArea>, kStatementCopies>* formRules) {
    DataPen pen(page, statementCopyOrigin(copy), shift,
                formRules ? &(*formRules)[static_cast<std::size_t>(copy - 1)] : nullptr);
    drawPayeeBlock(pen, data, copy <= 2);
    drawDeductionsBlock(pen, data, copy, part);
    drawDatesBlock(pen, data, part);
}

}  // namespace

void drawStatementData(PrinterPage& page, const PrintData& data, StatementPart part,
                       StatementDataShift shift) {
    // Under the form, the data keeps off its rules; on paper that carries the form already it
    // stands where the tables put it.
    std::array<std::vector<RuleArea>, kStatementCopies> rules;
    for (int copy = 1; copy <= kStatementCopies; ++copy)
        rules[static_cast<std::size_t>(copy - 1)] = copyRules(copy);
    const auto* formRules = part == StatementPart::FormAndData ? &rules : nullptr;
    drawCopyData(page, data, part, shift, 1, formRules);
    drawCopyData(page, data, part, shift, 2, formRules);
    drawRemarkLines(page, data, shift, formRules);
    drawCopyData(page, data, part, shift, 3, formRules);
    drawCopyData(page, data, part, shift, 4, formRules);
}

}  // namespace nencho
