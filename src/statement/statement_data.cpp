#include "statement/statement_data.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/amount.h"
#include "printing/form_drawing.h"
#include "printing/print_data.h"
#include "statement/statement_form.h"

namespace nencho {

namespace {

constexpr std::string_view kMark = "〇";  // U+3007, the font's ideographic zero

// Places the data elements of one copy: each offset from the copy's origin carries the fixed
// correction and the user's shift.
class DataPen {
  public:
    DataPen(PrinterPage& page, StatementCopyOrigin origin, StatementDataShift shift)
        : page_(page), origin_(origin), shift_(shift) {}

    void size(int points) {
        points_ = points;
        page_.setFontSize(points);
    }

    void text(int x, int y, std::string_view text) {
        moveTo(x, y);
        page_.printText(text);
    }
    // A text whose ink is no wider than `width` millimetres: at the current size when it fits,
    // otherwise as large as fits (to a tenth of a point), centred on the line; the size stays as
    // it was. Blanks after the text print no ink.
    void fittedText(int x, int y, double width, std::string_view text) {
        const std::size_t inkEnd = text.find_last_not_of(' ');
        const double ems = inkEnd == std::string_view::npos ? 0 : emsOf(text.substr(0, inkEnd + 1));
        const double fitting = ems > 0 ? width / (ems * kMillimetresPerPoint) : points_;
        const double points = std::floor(fitting * 10) / 10;
        if (points >= points_) return this->text(x, y, text);
        const PagePoint point = statementDataPosition(origin_, shift_, x, y);
        page_.setFontSize(points);
        page_.moveTo(point.x, point.y + (points_ - points) * kMillimetresPerPoint / 2);
        page_.printText(text);
        page_.setFontSize(points_);
    }
    void textIf(bool condition, int x, int y, std::string_view text) {
        if (condition) this->text(x, y, text);
    }
    void mark(bool condition, int x, int y) { textIf(condition, x, y, kMark); }
    // "#,###": 0 prints nothing.
    void amount(int x, int y, std::int64_t yen) { text(x, y, formatAmount(yen)); }
    // Placed by the width of its plain digits, so that an amount with separators runs past
    // the right edge by their width.
    void rightAlignedAmount(int rightX, int y, std::int64_t yen) {
        const PagePoint edge = statementDataPosition(origin_, shift_, rightX, y);
        page_.moveTo(edge.x - page_.textWidth(decimal(yen)), edge.y);
        page_.printText(formatAmount(yen));
    }

  private:
    void moveTo(int x, int y) {
        const PagePoint point = statementDataPosition(origin_, shift_, x, y);
        page_.moveTo(point.x, point.y);
    }

    PrinterPage& page_;
    StatementCopyOrigin origin_;
    StatementDataShift shift_;
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

// The payee, the payer, the pay kind, the four main amounts and the dependants' names.
void drawPayeeBlock(DataPen& pen, const PrintData& data) {
    pen.size(11);
    pen.text(27, 12, data.personAddress1);
    pen.text(27, 17, data.personAddress2);
    pen.text(110, 17, data.personName);
    pen.text(38, 82, data.companyTexts[3]);
    pen.text(38, 90, data.companyTexts[2]);
    pen.textIf(data.payKindTexts[1] == "役員報酬", 13, 29, "役員報酬");
    pen.textIf(data.payKindTexts[2] == "給与賞与", 13, 29, "給与賞与");
    pen.textIf(data.payKindTexts[3] == "給与", 13, 29, "給    与");
    pen.textIf(data.payKindTexts[4] == "専従者給与", 13, 29, "専従者給与");
    pen.rightAlignedAmount(56, 29, result(data, AdjustmentValue::PayInAll));
    pen.rightAlignedAmount(83, 29, result(data, AdjustmentValue::EmploymentIncome));
    pen.rightAlignedAmount(110, 29, result(data, AdjustmentValue::DeductionsInAll));
    pen.rightAlignedAmount(138, 29, result(data, AdjustmentValue::AnnualTax));
    pen.size(9);
    // The names stand 15 mm apart: a longer name is printed smaller instead of running into the
    // next one.
    constexpr double kNameWidth = 14.5;
    pen.fittedText(22, 54, kNameWidth, dependantName(data, kSpouseRow));
    pen.fittedText(37, 54, kNameWidth, dependantName(data, 2));
    pen.fittedText(52, 54, kNameWidth, dependantName(data, 3));
    pen.fittedText(67, 54, kNameWidth, dependantName(data, 4));
    pen.fittedText(22, 57, kNameWidth, dependantName(data, 5));
    pen.fittedText(37, 57, kNameWidth, dependantName(data, 6));
    pen.textIf(data.personPosition == "代表取締役", 89, 18, "代表取締役");
    pen.textIf(data.personPosition == "取締役", 89, 18, "取締役");
    pen.textIf(data.personPosition == "監査役", 89, 18, "監査役");
    pen.text(104, 12, data.personReading);
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
    pen.text(upperCopy ? 100 : 110, 90, "(Tel) " + data.companyTexts[8]);
    // Summed wide: the three can exceed 32 bits together.
    pen.rightAlignedAmount(101, 45,
                           std::int64_t{result(data, AdjustmentValue::SocialInsuranceFromPay)} +
                               result(data, AdjustmentValue::DeclaredSocialInsurance) +
                               result(data, AdjustmentValue::MutualAidPremiums));
    pen.rightAlignedAmount(101, 42, result(data, AdjustmentValue::MutualAidPremiums));
    pen.size(6);
    pen.text(87, 42, "内");
    pen.size(9);
    pen.amount(105, 45, result(data, AdjustmentValue::LifeInsuranceDeduction));
    pen.amount(120, 45, result(data, AdjustmentValue::CasualtyDeduction));
    pen.amount(131, 45, result(data, AdjustmentValue::HousingLoanCredit));
    pen.rightAlignedAmount(137, 52, data.spouseTotalIncome);
    pen.rightAlignedAmount(137, 58, data.lifePensionAmounts[8]);
    pen.rightAlignedAmount(137, 64, data.casualtyAmounts[3]);
    pen.mark(data.spouseFlag == 1, 10, 46);
    // On paper without the form, the mark on 無 of the upper copies stands 1 mm further left.
    pen.mark(data.spouseFlag == 0, upperCopy && part == StatementPart::Data ? 12 : 13, 46);
    for (const StatusMark& status : kStatusMarks)
        pen.mark(data.personStatusTexts[status.statusText] == status.word, status.x, 77);
    pen.size(8);
    pen.amount(28, 45, result(data, AdjustmentValue::SpouseSpecialDeduction));
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
    // right side): a number is printed as large as keeps its digits clear of that rule.
    const int right = part == StatementPart::FormAndData ? 1 : 0;
    const auto clearOf = [](int x, int rule, int pixels) {
        return rule - statementRuleWidth(pixels) / 2 - (x + kStatementDataCorrection);
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

void drawRemarkLines(PrinterPage& page, const PrintData& data, StatementDataShift shift) {
    page.setFontSize(9);
    for (const RemarkLine& remark : kRemarkLines) {
        DataPen pen(page, statementCopyOrigin(remark.copy), shift);
        pen.text(remark.x, remark.y, data.noteLines[remark.line]);
    }
}

void drawCopyData(PrinterPage& page, const PrintData& data, StatementPart part,
                  StatementDataShift shift, int copy) {
    DataPen pen(page, statementCopyOrigin(copy), shift);
    drawPayeeBlock(pen, data);
    drawDeductionsBlock(pen, data, copy, part);
    drawDatesBlock(pen, data, part);
}

}  // namespace

void drawStatementData(PrinterPage& page, const PrintData& data, StatementPart part,
                       StatementDataShift shift) {
    drawCopyData(page, data, part, shift, 1);
    drawCopyData(page, data, part, shift, 2);
    drawRemarkLines(page, data, shift);
    drawCopyData(page, data, part, shift, 3);
    drawCopyData(page, data, part, shift, 4);
}

}  // namespace nencho
