// 保険控除 兼 配偶者特別控除申告書: the payer, the person, the spouse with the special deduction
// in two digit boxes, the insurance policies and the social insurance and mutual aid amounts
// over the insurance and spouse special deduction declaration form.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "common/int32.h"
#include "printing/form_drawing.h"
#include "printing/page_images.h"
#include "printing/printout_text.h"
#include "printing/printouts.h"

namespace nencho {

namespace {

constexpr double kPoints = 11;

// A text column of the policy rows, from where its texts start to just short of the rule at its
// right.
struct PolicyColumn {
    double left;
    double right;
};

// The six text columns of the life and pension policies: insurer, kind, period, policy holder,
// beneficiary and relation. The texts are stored column by column.
constexpr PolicyColumn kPolicyColumns[] = {{35, 58.8},  {60, 80.8},   {82, 89.8},
                                           {91, 111.8}, {113, 132.8}, {134, 141.8}};

// The seven text columns of the casualty policies: insurer, kind, period, policy holder, resident,
// relation and maturity.
constexpr PolicyColumn kCasualtyColumns[] = {{29, 49.8},   {51, 70.8},   {72, 80.8},  {82, 102.8},
                                             {104, 124.6}, {125, 133.6}, {134, 142.6}};

// A row of policies: where its texts print and the rules above and below it.
struct PolicyRow {
    double top;
    double above;
    double below;
};

// How far a text keeps from the rules above and below it.
constexpr double kRowClearance = 0.3;

// A text at the row's size when it fits its column; a longer one smaller, as large as fits the
// column's width (to a tenth of a point), centred on the row's line, or on two lines between the
// row's rules when one line would be too small, instead of running over the column beside it.
// Leaves the row's size in force.
void printFitted(PrinterPage& page, PolicyColumn column, const PolicyRow& row,
                 std::string_view text) {
    printFittedText(page, column.left, row.top, kPoints,
                    {column.right, row.above + kRowClearance, row.below - kRowClearance}, text);
}

// How far a text of the header keeps from the rule beside it; an amount a little further,
// so that amounts either side of a rule never read as one number.
constexpr double kClearance = 0.3;
constexpr double kAmountClearance = 0.5;

// The frames' right sides (medium rules): of the insurance parts and of the social insurance
// part; and where the marks (a), (b), (A) and (B) at the top left of the totals' boxes end, from
// the box at 142.
constexpr double kPartRight = 186 - 0.15;
constexpr double kSocialRight = 115 - 0.15;
constexpr double kTotalMarkEnd = 142 + 0.3 + 1.5 * 5 * kMillimetresPerPoint;

// An amount in the row's size, kept between `left` and `right`.
void printAmountBetween(PrinterPage& page, double rightEdge, double top, double left, double right,
                        std::int64_t amount) {
    printFittedRightAlignedAmount(page, rightEdge, top, kPoints, left + kAmountClearance,
                                  right - kAmountClearance, amount);
}

// The payer's values stand between the rules at 14, 25.5 and 37, up to the person's block at
// 145; the person's reading and name either side of the rule at 19, up to 240; the address on
// two lines up to the frame at 285.
void printPayerAndPerson(PrinterPage& page, const PrintData& data) {
    page.setFontSize(kPoints);
    printFittedText(page, 72, 18, kPoints, {145 - kClearance, 14 + kClearance, 25.5 - kClearance},
                    data.companyTexts[2]);
    printFittedText(page, 72, 28, kPoints, {145 - kClearance, 25.5 + kClearance, 37 - kClearance},
                    data.companyTexts[3]);
    printFittedText(page, 172, 20, kPoints, {240 - kClearance, 19 + kClearance, 25 - kClearance},
                    data.personName);
    printFittedText(page, 172, 26, kPoints, {285 - kClearance, 25 + kClearance, 31},
                    data.personAddress1);
    printFittedText(page, 172, 31, kPoints, {285 - kClearance, 31, 37 - kClearance},
                    data.personAddress2);
    printFittedText(page, 172, 16, 7, {240 - kClearance, 14 + kClearance, 19 - kClearance},
                    data.personReading);
}

// A step of the printout's whole-number arithmetic, which must stay within 32 bits.
std::int32_t inRange(std::int64_t value, const char* what) {
    const auto fitting = fitInt32(value);
    if (!fitting) throw Failure(std::string(what) + "が範囲外のため印刷できません。");
    return *fitting;
}

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    if (value % divisor != 0 && value < 0) --quotient;
    return quotient;
}

// The deduction in tens of thousands of yen, as two digits before the form's 万円; the part
// below 10,000 yen is dropped.
void printSpouse(PrinterPage& page, const PrintData& data) {
    constexpr const char* kWhat = "配偶者特別控除額";
    // Either side of the rule at 64.2, between the rules at 57 and 70, up to the rule at 262.
    printFittedText(page, 228, 61, 7, {262 - kClearance, 57 + kClearance, 64.2 - kClearance},
                    data.spouseNameTexts[1]);
    printFittedText(page, 228, 65, kPoints, {262 - kClearance, 64.2 + kClearance, 70 - kClearance},
                    data.spouseNameTexts[2]);
    page.setFontSize(kPoints);
    const std::int32_t deduction = data.spouseHousingAmounts[4];
    const std::int32_t first = inRange(floorDivide(deduction, 100'000), kWhat);
    const std::int32_t hundredThousands = inRange(std::int64_t{100'000} * first, kWhat);
    const std::int32_t rest = inRange(std::int64_t{deduction} - hundredThousands, kWhat);
    const std::int32_t second = inRange(floorDivide(rest, 10'000), kWhat);
    printTextAt(page, 252, 102, printedNumber(first));
    printTextAt(page, 256, 102, printedNumber(second));
}

// The texts of `rows` policies, column by column, each column from its top row down.
void printPolicyTexts(PrinterPage& page, const PrintData& data, int firstLine, int rows,
                      const PolicyRow* policyRows) {
    for (int column = 0; column < 6; ++column)
        for (int row = 0; row < rows; ++row)
            printFitted(page, kPolicyColumns[column], policyRows[row],
                        data.lifePensionTexts[firstLine + column * rows + row]);
}

void printLifeAndPension(PrinterPage& page, const PrintData& data) {
    const PolicyRow lifeRows[] = {{60, 57.5, 64.5}, {65, 64.5, 70}, {71, 70, 75.5}};
    printPolicyTexts(page, data, 1, 3, lifeRows);
    for (int policy = 1; policy <= 3; ++policy)
        printAmountBetween(page, 163, lifeRows[policy - 1].top, 142, 164,
                           data.lifePensionAmounts[policy]);
    printAmountBetween(page, 163, 77, kTotalMarkEnd, 164, data.lifePensionAmounts[4]);
    const PolicyRow pensionRows[] = {{81, 80.95, 86.5}, {87, 86.5, 91.5}};
    printPolicyTexts(page, data, 19, 2, pensionRows);
    for (int policy = 1; policy <= 2; ++policy)
        printAmountBetween(page, 163, pensionRows[policy - 1].top, 142, 164,
                           data.lifePensionAmounts[5 + policy]);
    printAmountBetween(page, 163, 92, kTotalMarkEnd, 164, data.lifePensionAmounts[8]);
    printAmountBetween(page, 179, 110, 164, kPartRight, data.lifePensionAmounts[10]);
}

void printCasualty(PrinterPage& page, const PrintData& data) {
    const PolicyRow rows[] = {{133, 130.5, 137.45}, {138, 137.45, 142.3}};
    for (int column = 0; column < 7; ++column)
        for (int policy = 1; policy <= 2; ++policy)
            printFitted(page, kCasualtyColumns[column], rows[policy - 1],
                        data.casualtyTexts[2 * column + policy]);
    for (int policy = 1; policy <= 2; ++policy)
        printAmountBetween(page, 165, rows[policy - 1].top, 142.8, 167,
                           data.casualtyAmounts[policy]);
    // The totals after their marks (A) and (B); the deductions before their printed 円.
    printAmountBetween(page, 114, 144, 96 + kTotalMarkEnd - 142, 116, data.casualtyAmounts[3]);
    printAmountBetween(page, 176, 144, 156 + kTotalMarkEnd - 142, kPartRight,
                       data.casualtyAmounts[4]);
    printAmountBetween(page, 87, 158, 20, 88, data.casualtyAmounts[5]);
    printAmountBetween(page, 138, 158, 90, 139, data.casualtyAmounts[6]);
    printAmountBetween(page, 176, 158, 141, 184, data.casualtyAmounts[7]);
}

void printSocialInsuranceAndMutualAid(PrinterPage& page, const PrintData& data) {
    const std::int32_t fromPay =
        data.printLedgerTable.cell(kGrandTotalRow, LedgerColumn::SocialInsurance);
    printTextAt(page, 29, 179, "社会保険料");
    printAmountBetween(page, 113, 179, 93, kSocialRight, fromPay);
    printTextAt(page, 29, 184, "国民健康保険");
    printAmountBetween(page, 113, 184, 93, kSocialRight, data.declaredSocialInsurance);
    const std::int32_t total =
        inRange(std::int64_t{fromPay} + data.declaredSocialInsurance, "社会保険料の合計");
    printAmountBetween(page, 113, 194, 93, kSocialRight, total);
    printAmountBetween(page, 178, 194, 160, kPartRight, data.mutualAidPremiums);
}

}  // namespace

void printInsuranceDeclaration(PrinterPage& page, const PrintData& data) {
    startFormPage(page, kInsuranceDeclarationImage);
    printDeclarationYear(page, 45, 8);
    printPayerAndPerson(page, data);
    printSpouse(page, data);
    printLifeAndPension(page, data);
    printCasualty(page, data);
    printSocialInsuranceAndMutualAid(page, data);
}

}  // namespace nencho
