// The withholding ledger form (源泉徴収簿): the vertical title at the left, the person's header,
// the table of the months and bonuses, and the year-end block at the right. The boxes sit where
// the ledger printout places its data.
#include <cstring>
#include <utility>

#include "printing/page_images.h"

namespace nencho {

namespace {

using Align = CaptionAlign;
constexpr FormFace kGothic = FormFace::Gothic;

// The table of the months and bonuses.
constexpr double kTableLeft = 32;
constexpr double kTableTop = 21;
constexpr double kHeadBottom = 30;
constexpr double kTableBottom = 200;
constexpr double kTableRight = 165.2;
// Column edges from the kind column to the withheld tax.
constexpr double kKindRight = 37.5;
constexpr double kMonthRight = 47;
constexpr double kDateRight = 52.5;
// An amount of seven digits runs one character past its right edge: the rules leave room.
constexpr double kAmountEdges[] = {73.5, 90.5, 111, 118, 135, 148.5, kTableRight};
constexpr double kMonthTotalTop = 150;
constexpr double kBonusTop = 162.5;
constexpr double kBonusRowHeight = 5;
constexpr int kBonusRowsOnForm = 5;
constexpr double kBonusTotalTop = kBonusTop + kBonusRowsOnForm * kBonusRowHeight;

// The year-end block.
constexpr double kBlockLeft = 166.5;
constexpr double kBlockRight = 284;
constexpr double kBlockTop = 60;
constexpr double kBlockHeadBottom = 69.5;
constexpr double kLabelLeft = 172;
constexpr double kAmountLeft = 220;
constexpr double kAmountRight = 243.5;
constexpr double kTaxLeft = 258;
constexpr double kNotesTop = 84.5;
constexpr double kNotesBottom = 129.5;
constexpr double kBalanceTop = 158.3;
constexpr double kBalanceBottom = 164.2;

constexpr double kLabelPoints = 6.5;
constexpr double kMarkPoints = 5;

double monthRowTop(int month) {
    return 20 + 10 * month;
}

void drawTitle(FormBuilder& form) {
    form.box(20, 6, kTableLeft, kTableBottom, kMediumRule);
    // The year is printed above 年分 in the same column and size.
    form.textAt("年", 24, 44, 12, kGothic);
    form.textAt("分", 24, 49, 12, kGothic);
    form.vertical("給与所得に対する源泉徴収簿", 20, 62, kTableLeft, 194, 15, true, kGothic);
}

void drawPersonCells(FormBuilder& form) {
    form.text("所属", 33, 6, 38, 21, 7, Align::Spread);
    form.vline(39, 6, 21);
    form.vline(64, 6, 21);
    form.text("職名", 65, 6, 70, 21, 7, Align::Spread);
    form.vline(71, 6, 21);
    form.vline(96, 6, 21);
    form.text("住所", 98, 6, 110, 21, 8, Align::Spread);
    form.vline(112, 6, 21);
    form.vline(196, 6, 21);
    form.text("フリガナ", 197, 8.6, 209, 11.2, 5.5, Align::Spread);
    form.text("氏名", 198, 12.4, 208, 16.4, 8, Align::Spread);
    form.text("生年月日", 197, 17.3, 209, 20.5, 6, Align::Spread);
    form.vline(209.5, 6, 21);
    // The era, year, month and day print at 217, 224, 231 and 237; each unit follows its number.
    form.textAt("年", 228.9, 18.6, 6);
    form.textAt("月", 235.9, 18.6, 6);
    form.textAt("日", 241.9, 18.6, 6);
}

void drawDeclarationCells(FormBuilder& form) {
    form.vline(246, 6, 21, kMediumRule);
    form.hline(13.5, 246, kBlockRight);
    form.vline(271, 6, 21);
    form.text("扶養控除等申告書\nの提出", 247, 6, 270.5, 13.5, 6);
    form.text("有 ・ 無", 271, 6, kBlockRight, 13.5, 8);
    form.text("税額表の区分", 247, 13.5, 270.5, 21, 6);
    form.text("甲 ・ 乙", 271, 13.5, kBlockRight, 21, 8);
}

void drawHeader(FormBuilder& form) {
    form.box(kTableLeft, 6, kBlockRight, kTableTop, kMediumRule);
    drawPersonCells(form);
    drawDeclarationCells(form);
}

void drawTableHead(FormBuilder& form) {
    form.vertical("区分", kTableLeft, kTableTop, kKindRight, kHeadBottom, 6.5, false);
    form.text("月区分", kKindRight, kTableTop, kMonthRight, kHeadBottom, kLabelPoints);
    form.text("支給\n月日", kMonthRight, kTableTop, kDateRight, kHeadBottom, kLabelPoints);
    const char* const heads[] = {"総支給金額",
                                 "社会保険料等\nの控除額",
                                 "社会保険料等控除\n後の給与等の金額",
                                 "扶養親\n族等の\n数",
                                 "算出税額",
                                 "年末調整に\nよる過不足\n税額",
                                 "差引徴収\n税額"};
    double left = kDateRight;
    for (int i = 0; i < 7; ++i) {
        form.text(heads[i], left, kTableTop, kAmountEdges[i], kHeadBottom,
                  i == 3 ? 6 : kLabelPoints);
        // The unit of the column at the top of its first row.
        const char* unit = i == 3 ? "人" : "円";
        form.textAt(unit, kAmountEdges[i] - 2.1, kHeadBottom + 0.2, kMarkPoints);
        left = kAmountEdges[i];
    }
    form.hline(kHeadBottom, kTableLeft, kTableRight);
}

void drawTableColumns(FormBuilder& form) {
    form.vline(kKindRight, kTableTop, kTableBottom);
    form.vline(kMonthRight, kTableTop, kMonthTotalTop);
    form.vline(kMonthRight, kBonusTop, kBonusTotalTop);
    for (double edge : {kDateRight, kAmountEdges[0], kAmountEdges[1], kAmountEdges[2],
                        kAmountEdges[3], kAmountEdges[4], kAmountEdges[5]})
        form.vline(edge, kTableTop, kTableBottom);
}

void drawMonthRows(FormBuilder& form) {
    for (int month = 1; month <= 12; ++month) {
        const double bottom = monthRowTop(month) + 10;
        form.hline(bottom, kKindRight, kTableRight);
        form.textAt("月", kMonthRight - 2.0, bottom - 2.0, kMarkPoints);
        form.textAt("日", kDateRight - 2.0, bottom - 2.0, kMarkPoints);
    }
    form.vertical("給料・手当等", kTableLeft, kHeadBottom + 8, kKindRight, kBonusTop - 8, 8, true);
    form.text("計", kKindRight, kMonthTotalTop, kDateRight, kBonusTop, 9, Align::Centre);
}

void drawBonusRows(FormBuilder& form) {
    form.hline(kBonusTop, kTableLeft, kTableRight);
    for (int row = 1; row <= kBonusRowsOnForm; ++row) {
        const double bottom = kBonusTop + row * kBonusRowHeight;
        form.hline(bottom, kKindRight, kTableRight);
        // The tax rate of a bonus, written in by hand.
        form.textAt("％", kAmountEdges[3] + 0.3, bottom - 1.95, kMarkPoints);
    }
    form.vertical("賞与等", kTableLeft, kBonusTop + 3, kKindRight, kTableBottom - 3, 8, true);
    form.text("計", kKindRight, kBonusTotalTop, kDateRight, kTableBottom, 9, Align::Centre);
}

void drawMonthTable(FormBuilder& form) {
    form.box(kTableLeft, kTableTop, kTableRight, kTableBottom, kMediumRule);
    drawTableHead(form);
    drawTableColumns(form);
    drawMonthRows(form);
    drawBonusRows(form);
}

// The record of the declared dependants, above the year-end block.
void drawDeclaredDependants(FormBuilder& form) {
    const double top = kTableTop + 2;
    const double headBottom = top + 6;
    const double bottom = 57;
    const double edges[] = {kBlockLeft, 186, 206, 230, 254, kBlockRight};
    const char* const heads[] = {"申告月日", "配偶者の有無", "扶養親族等の数", "障害者等の数",
                                 "摘要"};
    form.box(kBlockLeft, top, kBlockRight, bottom, kMediumRule);
    form.hline(headBottom, kBlockLeft, kBlockRight);
    for (int i = 0; i < 5; ++i) {
        form.text(heads[i], edges[i], top, edges[i + 1], headBottom, kLabelPoints);
        if (i > 0) form.vline(edges[i], top, bottom);
    }
    const double rowHeight = (bottom - headBottom) / 4;
    for (int row = 0; row < 4; ++row) {
        const double rowTop = headBottom + row * rowHeight;
        if (row > 0) form.hline(rowTop, kBlockLeft, kBlockRight);
        const double rowBottom = rowTop + rowHeight;
        form.text("月　　日", edges[0], rowTop, edges[1], rowBottom, kLabelPoints);
        form.text("有・無", edges[1], rowTop, edges[2], rowBottom, kLabelPoints);
        form.text("人", edges[2], rowTop, edges[3] - 1, rowBottom, kLabelPoints, Align::Right);
        form.text("人", edges[3], rowTop, edges[4] - 1, rowBottom, kLabelPoints, Align::Right);
    }
}

// A circled number at the top-left corner of the box it names.
void mark(FormBuilder& form, const char* number, double boxLeft, double rowTop) {
    form.textAt(number, boxLeft + 0.3, rowTop + 0.25, kMarkPoints);
}

void label(FormBuilder& form, const char* text, double top, double bottom, double right,
           double points = kLabelPoints) {
    form.text(text, kLabelLeft + 1, top, right - 1, bottom, points, Align::Left);
}

void drawBlockHead(FormBuilder& form) {
    form.box(kBlockLeft, kBlockTop, kBlockRight, 200, kMediumRule);
    form.vline(kLabelLeft, kBlockTop, 200);
    form.vertical("年末調整", kBlockLeft, 74, kLabelLeft, 150, 10, true, kGothic);
    form.text("区　　分", kLabelLeft, kBlockTop, kAmountLeft, kBlockHeadBottom, 8);
    form.text("金　額", kAmountLeft, kBlockTop, kAmountRight, kBlockHeadBottom, 8);
    form.text("税率", kAmountRight, kBlockTop, kTaxLeft, kBlockHeadBottom, 7);
    form.text("税　額", kTaxLeft, kBlockTop, kBlockRight, kBlockHeadBottom, 8);
    form.hline(kBlockHeadBottom, kLabelLeft, kBlockRight);
}

// Rows ① to ⑧: pay, bonuses and their total with the tax withheld.
void drawPayRows(FormBuilder& form) {
    struct Row {
        const char* label;
        const char* amount;
        const char* rate;
        const char* tax;
    };
    const Row rows[] = {
        {"給料・手当等", "①", "②", "③"}, {"賞与等", "④", "⑤", "⑥"}, {"計", "⑦", nullptr, "⑧"}};
    // The tax of the pay stands 1 mm lower than its amount.
    const double bottoms[] = {75, 80, kNotesTop};
    double top = kBlockHeadBottom;
    for (int i = 0; i < 3; ++i) {
        const Row& row = rows[i];
        const double bottom = bottoms[i];
        label(form, row.label, top, bottom, kAmountLeft);
        mark(form, row.amount, kAmountLeft, top);
        if (row.rate) {
            mark(form, row.rate, kAmountRight, top);
            form.textAt("％", kTaxLeft - 2.4, bottom - 2.3, 6);
        } else {
            form.line(kAmountRight, bottom, kTaxLeft, top);
        }
        mark(form, row.tax, kTaxLeft, top);
        form.hline(bottom, kLabelLeft, kBlockRight);
        top = bottom;
    }
    form.vline(kAmountLeft, kBlockTop, 137.5);
    form.vline(kAmountRight, kBlockTop, kNotesTop);
    form.vline(kTaxLeft, kBlockTop, kNotesTop);
}

// Rows ⑨ to ⑰: employment income and the deductions, one amount each.
void drawDeductionRows(FormBuilder& form) {
    const std::pair<const char*, const char*> rows[] = {
        {"⑨", "給与所得控除後の給与等の金額"},
        {"⑩", "社会保険料等控除額\n（給与等からの控除分）"},
        {"⑪", "申告による社会保険料の控除分"},
        {"⑫", "申告による小規模企業共済等掛金の控除分"},
        {"⑬", "生命保険料の控除額"},
        {"⑭", "損害保険料の控除額"},
        {"⑮", "配偶者特別控除額"},
        {"⑯", "配偶者控除額、扶養控除額、基礎控除額\n及び障害者等の控除額の合計額"},
        {"⑰", "所得控除額の合計額"}};
    double top = kNotesTop;
    for (const auto& [number, text] : rows) {
        const double bottom = top + 5;
        label(form, text, top, bottom, kAmountLeft, std::strchr(text, '\n') ? 6 : kLabelPoints);
        mark(form, number, kAmountLeft, top);
        form.hline(bottom, kLabelLeft, kAmountRight);
        top = bottom;
    }
}

// The notes beside the deductions, each with a bracketed yen field.
void drawNotes(FormBuilder& form) {
    form.hline(kNotesBottom, kAmountRight, kBlockRight);
    const std::pair<const char*, double> notes[] = {{"配偶者の合計所得金額", 89},
                                                    {"個人年金保険料の支払額", 96},
                                                    {"長期損害保険料の支払額", 104},
                                                    {"小規模企業共済等掛金の額", 115}};
    for (const auto& [text, fieldTop] : notes) {
        form.textAt(text, kAmountRight + 1.5, fieldTop - 3.3, 6);
        form.textAt("（", kAmountRight + 1.5, fieldTop + 0.6, 8);
        form.textAt("円）", 276, fieldTop + 0.6, 8);
    }
}

// Rows ⑱ to ㉓: taxable income and the annual tax.
void drawTaxRows(FormBuilder& form) {
    const double top = kNotesBottom;
    const double bottom = 137.5;
    label(form, "差引課税給与所得金額（⑨－⑰）\n（1,000円未満切捨て）", top, bottom, kAmountLeft);
    mark(form, "⑱", kAmountLeft, top);
    form.text("算出年税額", kAmountRight, top, kTaxLeft, bottom, kLabelPoints);
    mark(form, "⑲", kTaxLeft, top);
    form.vline(kAmountRight, top, bottom);
    form.vline(kTaxLeft, top, 200);
    form.hline(bottom, kLabelLeft, kBlockRight);
    const std::pair<const char*, const char*> rows[] = {
        {"⑳", "住宅借入金等特別控除額"},
        {"㉑", "差引年税額（⑲－⑳）"},
        {"㉒", "定率減税額"},
        {"㉓", "年調年税額（㉑－㉒）（100円未満切捨て）"}};
    const double tops[] = {137.5, 142.5, 147.5, 152.5, kBalanceTop};
    for (int i = 0; i < 4; ++i) {
        label(form, rows[i].second, tops[i], tops[i + 1], kTaxLeft);
        mark(form, rows[i].first, kTaxLeft, tops[i]);
        form.hline(tops[i + 1], kLabelLeft, kBlockRight);
    }
}

// Row ㉔: the balance, whose label names the excess and the shortfall; the printout strikes
// the word that does not apply.
void drawBalanceRow(FormBuilder& form) {
    const double wordsTop = 159.6;
    form.textAt("差引", kLabelLeft + 1, wordsTop, 8);
    form.textAt("超過額", 189.5, wordsTop, 8);
    form.textAt("又は", 205.2, wordsTop, 8);
    form.textAt("不足額", 219.5, wordsTop, 8);
    form.textAt("（㉓－⑧）", 234, wordsTop, 8);
    mark(form, "㉔", kTaxLeft, kBalanceTop);
    form.hline(kBalanceBottom, kLabelLeft, kBlockRight, kMediumRule);
}

// Rows ㉕ to ㉚: how an excess is refunded and a shortfall collected.
void drawSettlementRows(FormBuilder& form) {
    const double rowHeight = (200 - kBalanceBottom) / 6;
    const double settleLeft = kLabelLeft + 12;
    const std::pair<const char*, const char*> rows[] = {
        {"㉕", "未払給与に係る未徴収の税額に充当する金額"},
        {"㉖", "差引還付する金額"},
        {"㉗", "同上のうち本年中に還付する金額"},
        {"㉘", "同上のうち翌年において還付する金額"},
        {"㉙", "本年最後の給与から徴収する金額"},
        {"㉚", "翌年に繰り越して徴収する金額"}};
    for (int i = 0; i < 6; ++i) {
        const double top = kBalanceBottom + i * rowHeight;
        form.text(rows[i].second, settleLeft + 1, top, kTaxLeft - 1, top + rowHeight, kLabelPoints,
                  Align::Left);
        mark(form, rows[i].first, kTaxLeft, top);
        if (i > 0) form.hline(top, i == 4 ? kLabelLeft : settleLeft, kBlockRight);
    }
    form.vline(settleLeft, kBalanceBottom, 200);
    form.text("超過額\nの精算", kLabelLeft, kBalanceBottom, settleLeft,
              kBalanceBottom + 4 * rowHeight, kLabelPoints);
    form.text("不足額\nの精算", kLabelLeft, kBalanceBottom + 4 * rowHeight, settleLeft, 200,
              kLabelPoints);
}

void drawYearEndBlock(FormBuilder& form) {
    drawBlockHead(form);
    drawPayRows(form);
    drawDeductionRows(form);
    drawNotes(form);
    drawTaxRows(form);
    drawBalanceRow(form);
    drawSettlementRows(form);
}

}  // namespace

FormDrawing ledgerForm() {
    FormBuilder form(296, 209);
    drawTitle(form);
    drawHeader(form);
    drawMonthTable(form);
    drawDeclaredDependants(form);
    drawYearEndBlock(form);
    return form.take();
}

}  // namespace nencho
