// The dependants' declaration form (給与所得者の扶養控除等(異動)申告書): the title with the year
// left blank before 年分, the payer and the person, the spouse and dependants table, and the
// sections the printout leaves for the employee to fill in by hand.
#include <string>

#include "printing/page_images.h"

namespace nencho {

namespace {

using Align = CaptionAlign;
constexpr FormFace kGothic = FormFace::Gothic;

constexpr double kLeft = 20;
constexpr double kRight = 292;
constexpr double kHeaderTop = 14;
constexpr double kHeaderBottom = 49;
constexpr double kPayerLeft = 56;
constexpr double kPayerValues = 78;
constexpr double kPersonLeft = 158;
constexpr double kPersonValues = 188;

// The spouse and dependants table.
constexpr double kTableTop = 52;
constexpr double kTableHeadBottom = 65;
constexpr double kSpouseBottom = 75.5;
constexpr double kDependantRowHeight = 7;
constexpr int kDependantRows = 5;
constexpr double kTableBottom = kSpouseBottom + kDependantRows * kDependantRowHeight;
constexpr double kNumberLeft = 50;
constexpr double kNameLeft = 55;
// Column edges from the relation to the change column.
constexpr double kRelationLeft = 83;
constexpr double kBirthLeft = 100;
constexpr double kMarkerLeft = 139;
constexpr double kOccupationLeft = 153;
constexpr double kAddressLeft = 170;
constexpr double kIncomeLeft = 226;
constexpr double kChangeLeft = 246;

constexpr double kHeadPoints = 7;

void drawTitle(FormBuilder& form) {
    // The year is printed at 80 to 94 in front of 年分.
    form.textAt("年分", 95.5, 7, 12, kGothic);
    form.textAt("給与所得者の扶養控除等（異動）申告書", 108, 6.4, 14, kGothic);
}

void drawTaxOfficeCells(FormBuilder& form) {
    const double middle = 31.5;
    form.hline(middle, kLeft, kPayerLeft);
    form.textAt("所轄税務署長", kLeft + 1, kHeaderTop + 1, 6);
    form.text("税務署長", kLeft, middle - 7, kPayerLeft - 1.5, middle - 1, 8, Align::Right);
    form.textAt("給与の支払者の所在地", kLeft + 1, middle + 1, 6);
    form.textAt("（住所）の市区町村長", kLeft + 1, middle + 3.5, 6);
    form.text("市区町村長", kLeft, kHeaderBottom - 7, kPayerLeft - 1.5, kHeaderBottom - 1, 8,
              Align::Right);
}

void drawPayerCells(FormBuilder& form) {
    const double rows[] = {kHeaderTop, 26, 37, kHeaderBottom};
    const char* const captions[] = {"給与の支払者の\n法人（個人）番号",
                                    "給与の支払者の\n名称（氏名）",
                                    "給与の支払者の\n所在地（住所）"};
    form.vline(kPayerLeft, kHeaderTop, kHeaderBottom, kMediumRule);
    form.vline(kPayerValues, kHeaderTop, kHeaderBottom);
    for (int i = 0; i < 3; ++i) {
        form.text(captions[i], kPayerLeft, rows[i], kPayerValues, rows[i + 1], 6.5);
        if (i > 0) form.hline(rows[i], kPayerLeft, kPersonLeft);
    }
    // Thirteen boxes of the payer's number.
    const double boxWidth = 5.8;
    for (int digit = 0; digit < 13; ++digit) {
        const double left = 81 + digit * boxWidth;
        form.box(left, 16.5, left + boxWidth, 23.5);
    }
}

void drawPersonTopRow(FormBuilder& form) {
    form.text("世帯主の氏名", kPersonLeft, kHeaderTop, kPersonValues, 26, 7);
    form.vline(230, kHeaderTop, 26);
    form.text("あなたとの\n続柄", 230, kHeaderTop, 246, 26, 6.5);
    form.vline(246, kHeaderTop, 26);
    form.vline(262, kHeaderTop, 26);
    form.text("配偶者の\n有無", 262, kHeaderTop, 276, 26, 6.5);
    form.vline(276, kHeaderTop, 26);
    form.text("有・無", 276, kHeaderTop, kRight, 26, 7);
    form.hline(26, kPersonLeft, kRight);
}

void drawPersonNameRow(FormBuilder& form) {
    // The reading prints at 28 and the name at 32, either side of the dividing rule.
    form.text("（フリガナ）", kPersonLeft, 26, kPersonValues, 31, 6);
    form.text("あなたの氏名", kPersonLeft, 31, kPersonValues, 37, 7);
    form.hline(31, kPersonValues, 240);
    form.vline(240, 26, 37);
    form.text("あなたの\n生年月日", 240, 26, 256, 37, 6.5);
    form.vline(256, 26, 37);
    form.text("明・大\n昭・平", 256.5, 26, 264, 37, 5.5);
    form.text("年　　月　　日", 264, 26, kRight - 1, 37, 6.5, Align::Right);
    form.hline(37, kPersonLeft, kRight);
}

void drawPersonAddressRow(FormBuilder& form) {
    form.text("あなたの住所\n又は居所", kPersonLeft, 37, kPersonValues, kHeaderBottom, 7);
    // The address prints from 219, after the postcode bracket.
    form.textAt("（〒　　　－　　　　）", 189.5, 38.6, 6.5);
}

void drawHeader(FormBuilder& form) {
    form.box(kLeft, kHeaderTop, kRight, kHeaderBottom, kMediumRule);
    drawTaxOfficeCells(form);
    drawPayerCells(form);
    form.vline(kPersonLeft, kHeaderTop, kHeaderBottom, kMediumRule);
    form.vline(kPersonValues, kHeaderTop, kHeaderBottom);
    drawPersonTopRow(form);
    drawPersonNameRow(form);
    drawPersonAddressRow(form);
}

void drawTableHead(FormBuilder& form) {
    struct Head {
        const char* text;
        double left;
        double right;
        double points;
    };
    const Head heads[] = {{"区　分", kLeft, kNumberLeft, kHeadPoints},
                          {"（フリガナ）\n氏　　名", kNumberLeft, kRelationLeft, kHeadPoints},
                          {"あなたとの\n続柄", kRelationLeft, kBirthLeft, kHeadPoints},
                          {"生　年　月　日", kBirthLeft, kMarkerLeft, kHeadPoints},
                          {"老人扶養親族\n特定扶養親族", kMarkerLeft, kOccupationLeft, 5.5},
                          {"職業", kOccupationLeft, kAddressLeft, kHeadPoints},
                          {"住所又は居所", kAddressLeft, kIncomeLeft, kHeadPoints},
                          {"本年中の所得の\n見積額", kIncomeLeft, kChangeLeft, 6.5},
                          {"異動月日及び事由", kChangeLeft, kRight, kHeadPoints}};
    for (const Head& head : heads)
        form.text(head.text, head.left, kTableTop, head.right, kTableHeadBottom, head.points);
    form.hline(kTableHeadBottom, kLeft, kRight);
}

// The era marks stacked at the left of a birth-date box, under the date the printout writes.
void eraMarks(FormBuilder& form, double top, double bottom) {
    form.vertical("明大昭平", kBirthLeft, top, kBirthLeft + 2, bottom, 4.5, false);
}

void drawTableRows(FormBuilder& form) {
    form.text("Ａ\n控除対象\n配偶者", kLeft, kTableHeadBottom, kNumberLeft, kSpouseBottom, 7);
    eraMarks(form, kTableHeadBottom, kSpouseBottom);
    form.text("円", kIncomeLeft, kTableHeadBottom, kChangeLeft - 0.5, kSpouseBottom, 5,
              Align::Right);
    form.hline(kSpouseBottom, kLeft, kRight);
    form.text("Ｂ\n控除対象\n扶養親族", kLeft, kSpouseBottom, kNumberLeft, kTableBottom, 7);
    for (int row = 1; row <= kDependantRows; ++row) {
        const double top = kSpouseBottom + (row - 1) * kDependantRowHeight;
        const double bottom = top + kDependantRowHeight;
        form.text(std::to_string(row), kNumberLeft, top, kNameLeft, bottom, 8);
        eraMarks(form, top, bottom);
        form.textAt("円", kChangeLeft - 2.3, bottom - 2.0, 5);
        if (row < kDependantRows) form.hline(bottom, kNumberLeft, kRight);
    }
}

void drawTableColumns(FormBuilder& form) {
    form.vline(kNumberLeft, kTableTop, kTableBottom);
    form.vline(kNameLeft, kSpouseBottom, kTableBottom);
    form.vline(kRelationLeft, kTableTop, kTableHeadBottom);
    form.vline(kRelationLeft, kSpouseBottom, kTableBottom);
    for (double edge :
         {kBirthLeft, kMarkerLeft, kOccupationLeft, kAddressLeft, kIncomeLeft, kChangeLeft})
        form.vline(edge, kTableTop, kTableBottom);
}

void drawDependantsTable(FormBuilder& form) {
    form.box(kLeft, kTableTop, kRight, kTableBottom, kMediumRule);
    drawTableHead(form);
    drawTableRows(form);
    drawTableColumns(form);
}

// A small square to tick.
void tickBox(FormBuilder& form, double centreX, double centreY) {
    form.box(centreX - 1.5, centreY - 1.5, centreX + 1.5, centreY + 1.5);
}

void drawConditions(FormBuilder& form) {
    const double top = 114;
    const double headBottom = 121;
    const double middle = 128.5;
    const double bottom = 136;
    form.box(kLeft, top, kRight, bottom, kMediumRule);
    form.text("Ｃ\n障害者、寡婦、\n寡夫又は勤労学生", kLeft, top, kNumberLeft, bottom, 6.5);
    form.vline(kNumberLeft, top, bottom);
    const double edges[] = {kNumberLeft, 80, 110, 140, 170, 200, 230, 260, kRight};
    const char* const heads[] = {"障害者の区分", "本人",       "同一生計配偶者", "扶養親族",
                                 "寡婦",         "特別の寡婦", "寡夫",           "勤労学生"};
    for (int i = 0; i < 8; ++i) {
        form.text(heads[i], edges[i], top, edges[i + 1], headBottom, kHeadPoints);
        if (i > 0) form.vline(edges[i], top, bottom);
    }
    form.hline(headBottom, kNumberLeft, kRight);
    form.hline(middle, kNumberLeft, edges[4]);
    form.text("一般の障害者", edges[0], headBottom, edges[1], middle, kHeadPoints);
    form.text("特別障害者", edges[0], middle, edges[1], bottom, kHeadPoints);
    for (int column = 1; column <= 3; ++column)
        for (double rowCentre : {(headBottom + middle) / 2, (middle + bottom) / 2})
            tickBox(form, (edges[column] + edges[column + 1]) / 2, rowCentre);
    for (int column = 4; column <= 7; ++column)
        tickBox(form, (edges[column] + edges[column + 1]) / 2, (headBottom + bottom) / 2);
    form.textAt("上の該当する項目及び欄にチェックを付けてください。", kNumberLeft, bottom + 0.8, 6);
}

void drawOtherEarnersHead(FormBuilder& form, double top, double groupBottom, double headBottom) {
    struct Head {
        const char* text;
        double left;
        double right;
        double top;
    };
    const Head heads[] = {
        {"氏　名", kNumberLeft, 90, top},        {"あなたとの\n続柄", 90, 108, top},
        {"生　年　月　日", 108, 140, top},       {"住所又は居所", 140, 196, top},
        {"氏　名", 196, 226, groupBottom},       {"あなたとの\n続柄", 226, 242, groupBottom},
        {"住所又は居所", 242, 266, groupBottom}, {"異動月日及び事由", 266, kRight, top}};
    for (const Head& head : heads)
        form.text(head.text, head.left, head.top, head.right, headBottom, 6.5);
    form.text("控除を受ける他の所得者", 196, top, 266, groupBottom, 6.5);
    form.hline(groupBottom, 196, 266);
}

void drawOtherEarners(FormBuilder& form) {
    const double top = 142;
    const double groupBottom = 147;
    const double headBottom = 152;
    const double rowHeight = 9;
    const double bottom = headBottom + 3 * rowHeight;
    form.box(kLeft, top, kRight, bottom, kMediumRule);
    form.text("Ｄ\n他の所得者が\n控除を受ける\n扶養親族等", kLeft, top, kNumberLeft, bottom, 6.5);
    drawOtherEarnersHead(form, top, groupBottom, headBottom);
    form.hline(headBottom, kNumberLeft, kRight);
    for (int row = 1; row < 3; ++row) form.hline(headBottom + row * rowHeight, kNumberLeft, kRight);
    for (double edge : {kNumberLeft, 90.0, 108.0, 140.0, 196.0, 266.0})
        form.vline(edge, top, bottom);
    for (double edge : {226.0, 242.0}) form.vline(edge, groupBottom, bottom);
    for (int row = 0; row < 3; ++row) {
        const double rowTop = headBottom + row * rowHeight;
        form.vertical("明大昭平", 108, rowTop, 110, rowTop + rowHeight, 4.5, false);
    }
}

void drawNotes(FormBuilder& form) {
    const char* const notes[] = {
        "（注）１　控除対象配偶者及び控除対象扶養親族とは、あなたと生計を一にする配偶者及び"
        "親族で、本年中の合計所得金額の見積額が38万円以下の人をいいます。",
        "　　　２　老人扶養親族とは年齢70歳以上の人を、特定扶養親族とは年齢16歳以上23歳未満の"
        "人をいいます。",
        "　　　３　この申告書は、本年最初に給与の支払を受ける日の前日までに提出してください。"
        "内容に異動があったときは、異動の日の後最初に給与の支払を受ける日の前日までに、"
        "異動の内容を記入して提出してください。"};
    double top = 183;
    for (const char* note : notes) {
        form.textAt(note, kLeft, top, 6);
        top += 3.2;
    }
}

}  // namespace

FormDrawing dependantsDeclarationForm() {
    FormBuilder form(296, 209);
    drawTitle(form);
    drawHeader(form);
    drawDependantsTable(form);
    drawConditions(form);
    drawOtherEarners(form);
    drawNotes(form);
    return form.take();
}

}  // namespace nencho
