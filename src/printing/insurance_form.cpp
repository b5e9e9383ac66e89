// The insurance and spouse special deduction declaration form (給与所得者の保険料控除申告書 兼
// 給与所得者の配偶者特別控除申告書): the payer and the person across the top, the life,
// individual-pension, casualty, social insurance and mutual aid parts at the left, and the
// spouse special deduction part at the right.
#include <utility>

#include "printing/page_images.h"

namespace nencho {

namespace {

using Align = CaptionAlign;
constexpr FormFace kGothic = FormFace::Gothic;

constexpr double kLeft = 12;
constexpr double kRight = 285;
constexpr double kHeaderTop = 14;
constexpr double kHeaderBottom = 37;
constexpr double kInsuranceRight = 186;
constexpr double kSpouseLeft = 188;
constexpr double kPartsTop = 45;
constexpr double kLabelRight = 20;

// Columns of the life and pension policies.
constexpr double kLifeInsurerLeft = 34;
constexpr double kLifeEdges[] = {kLifeInsurerLeft, 59, 81, 90, 112, 133, 142, 164};
constexpr double kLifeHeadBottom = 57.5;
constexpr double kLifeTotalTop = 75.5;
constexpr double kPensionTop = 80.95;
constexpr double kPensionTotalTop = 91.5;
constexpr double kLifeRowsBottom = 96.5;
constexpr double kLifeBottom = 117;

// Columns of the casualty policies.
constexpr double kCasualtyTop = 119;
constexpr double kCasualtyEdges[] = {28,    50,    71,    81,  103,
                                     124.8, 133.8, 142.8, 167, kInsuranceRight};
constexpr double kCasualtyHeadBottom = 130.5;
constexpr double kCasualtyTotalTop = 142.3;
constexpr double kCasualtyDeductionTop = 149.5;
constexpr double kCasualtyBottom = 164;

constexpr double kSocialTop = 166;
constexpr double kSocialRight = 115;
constexpr double kBottom = 200;

constexpr double kHeadPoints = 6.5;
constexpr double kMarkPoints = 5;

void mark(FormBuilder& form, const char* text, double boxLeft, double rowTop) {
    form.textAt(text, boxLeft + 0.3, rowTop + 0.25, kMarkPoints);
}

void yenAtTopRight(FormBuilder& form, double boxRight, double rowTop) {
    form.textAt("円", boxRight - 2.0, rowTop + 0.2, kMarkPoints);
}

void drawTitle(FormBuilder& form) {
    // The year is printed at 45 to 59 in front of 年分.
    form.textAt("年分", 60, 8, 12, kGothic);
    form.textAt("給与所得者の保険料控除申告書　兼　給与所得者の配偶者特別控除申告書", 73, 8, 12,
                kGothic);
}

void drawHeader(FormBuilder& form) {
    const double middle = 25.5;
    form.box(kLeft, kHeaderTop, kRight, kHeaderBottom, kMediumRule);
    form.textAt("所轄税務署長", kLeft + 1, kHeaderTop + 1, 6);
    form.text("税務署長", kLeft, kHeaderBottom - 8, 41, kHeaderBottom - 1, 8, Align::Right);
    form.vline(42, kHeaderTop, kHeaderBottom);
    form.text("給与の支払者の\n名称（氏名）", 42, kHeaderTop, 71, middle, 6.5);
    form.text("給与の支払者の\n所在地（住所）", 42, middle, 71, kHeaderBottom, 6.5);
    form.hline(middle, 42, 145);
    form.vline(71, kHeaderTop, kHeaderBottom);
    form.vline(145, kHeaderTop, kHeaderBottom, kMediumRule);
    // The reading prints at 16, the name at 20 and the address at 26 and 31.
    form.text("（フリガナ）", 145, kHeaderTop, 171, 19, 6);
    form.text("あなたの氏名", 145, 19, 171, 25, 7);
    form.text("あなたの住所\n又は居所", 145, 25, 171, kHeaderBottom, 7);
    form.hline(19, 171, 240);
    form.hline(25, 145, kRight);
    form.vline(171, kHeaderTop, kHeaderBottom);
    form.vline(240, kHeaderTop, 25);
    form.text("あなたの\n生年月日", 240, kHeaderTop, 255, 25, 6);
    form.vline(255, kHeaderTop, 25);
    form.text("明・大\n昭・平", 255.5, kHeaderTop, 262, 25, 5);
    form.text("年　　月　　日", 262, kHeaderTop, kRight - 1, 25, 6, Align::Right);
}

void drawPartTitles(FormBuilder& form) {
    form.text("保　険　料　控　除　申　告　書", kLeft, 39, kInsuranceRight, kPartsTop, 9,
              Align::Centre, kGothic);
    form.text("配偶者特別控除申告書", kSpouseLeft, 39, kRight, kPartsTop, 9, Align::Centre,
              kGothic);
}

void drawLifeHead(FormBuilder& form) {
    struct Head {
        const char* text;
        int column;
        double top;
    };
    const double groupBottom = 51;
    const Head heads[] = {{"保険会社等の\n名称", 0, kPartsTop},
                          {"保険等の\n種類", 1, kPartsTop},
                          {"保険期間\n又は年金\n支払期間", 2, kPartsTop},
                          {"保険等の契約者\nの氏名", 3, kPartsTop},
                          {"氏　名", 4, groupBottom},
                          {"続柄", 5, groupBottom},
                          {"本年中に支払った\n保険料等の金額", 6, kPartsTop}};
    for (const Head& head : heads)
        form.text(head.text, kLifeEdges[head.column], head.top, kLifeEdges[head.column + 1],
                  kLifeHeadBottom, head.column == 2 ? 5 : kHeadPoints);
    form.text("保険金等の受取人", kLifeEdges[4], kPartsTop, kLifeEdges[6], groupBottom,
              kHeadPoints);
    form.hline(groupBottom, kLifeEdges[4], kLifeEdges[6]);
    form.text("区　分", kLabelRight, kPartsTop, kLifeInsurerLeft, kLifeHeadBottom, kHeadPoints);
    form.hline(kLifeHeadBottom, kLabelRight, kInsuranceRight);
}

// Rows of the policies and their total: (a) for the life premiums, (b) for the pensions.
void drawPolicyRows(FormBuilder& form, const double (&rowTops)[4], const char* total,
                    const char* name) {
    for (int row = 1; row < 4; ++row) form.hline(rowTops[row], kLifeInsurerLeft, kLifeEdges[7]);
    form.text("計", kLifeInsurerLeft, rowTops[2], kLifeEdges[6] - 2, rowTops[3], 8, Align::Right);
    mark(form, total, kLifeEdges[6], rowTops[2]);
    form.text(name, kLabelRight, rowTops[0], kLifeInsurerLeft, rowTops[3], kHeadPoints);
}

// The steps by which a total becomes its deduction.
void drawLifeFormula(FormBuilder& form) {
    const double left = kLifeEdges[7];
    const char* const steps[] = {"25,000円まで\n全額", "50,000円まで\n×1/2＋12,500円",
                                 "100,000円まで\n×1/4＋25,000円", "100,001円以上\n一律50,000円"};
    const double rowHeight = (kLifeRowsBottom - kLifeHeadBottom) / 4;
    form.text("控除額の\n計算式", left, kPartsTop, kInsuranceRight, kLifeHeadBottom, kHeadPoints);
    for (int i = 0; i < 4; ++i) {
        const double top = kLifeHeadBottom + i * rowHeight;
        form.text(steps[i], left + 0.5, top, kInsuranceRight - 0.5, top + rowHeight, 5,
                  Align::Left);
        if (i > 0) form.hline(top, left, kInsuranceRight);
    }
}

// ① and ② from the totals, and their sum, the life-insurance deduction.
void drawLifeDeductions(FormBuilder& form) {
    const double tops[] = {kLifeRowsBottom, 102.5, 108, kLifeBottom};
    const char* const texts[] = {"(a)の金額を上の計算式に当てはめて計算した金額",
                                 "(b)の金額を上の計算式に当てはめて計算した金額",
                                 "生命保険料控除額　計（①＋②）（最高100,000円）"};
    const char* const marks[] = {"①", "②", nullptr};
    const double valueLeft = kLifeEdges[7];
    for (int i = 0; i < 3; ++i) {
        form.text(texts[i], kLabelRight + 1, tops[i], valueLeft - 1, tops[i + 1],
                  i == 2 ? 7 : kHeadPoints, Align::Right, i == 2 ? kGothic : FormFace::Mincho);
        if (marks[i]) mark(form, marks[i], valueLeft, tops[i]);
        yenAtTopRight(form, kInsuranceRight, tops[i]);
        if (i > 0) form.hline(tops[i], kLabelRight, kInsuranceRight);
    }
    form.vline(valueLeft, kLifeRowsBottom, kLifeBottom);
}

void drawLifePart(FormBuilder& form) {
    form.box(kLeft, kPartsTop, kInsuranceRight, kLifeBottom, kMediumRule);
    form.vertical("生命保険料控除", kLeft, kPartsTop + 8, kLabelRight, kLifeBottom - 8, 8, true,
                  kGothic);
    form.vline(kLabelRight, kPartsTop, kLifeBottom);
    drawLifeHead(form);
    // Three life policies (the third from 70) and two pension policies, each with a total.
    const double lifeRows[] = {kLifeHeadBottom, 64.5, kLifeTotalTop, kPensionTop};
    drawPolicyRows(form, lifeRows, "(a)", "一般の\n生命保険料");
    yenAtTopRight(form, kLifeEdges[7], kLifeHeadBottom);
    form.hline(70, kLifeInsurerLeft, kLifeEdges[7]);
    form.hline(kPensionTop, kLabelRight, kLifeEdges[7]);
    const double pensionRows[] = {kPensionTop, 86.5, kPensionTotalTop, kLifeRowsBottom};
    drawPolicyRows(form, pensionRows, "(b)", "個人年金\n保険料");
    form.hline(kLifeRowsBottom, kLabelRight, kInsuranceRight);
    form.vline(kLifeInsurerLeft, kPartsTop, kLifeRowsBottom);
    for (int i = 1; i < 8; ++i) {
        const bool beneficiarySplit = i == 5;
        const double top = beneficiarySplit ? 51 : kPartsTop;
        const double bottom = i < 6 ? kLifeTotalTop : kLifeRowsBottom;
        form.vline(kLifeEdges[i], top, bottom);
        if (i < 6) form.vline(kLifeEdges[i], kPensionTop, kPensionTotalTop);
    }
    drawLifeFormula(form);
    drawLifeDeductions(form);
}

void drawCasualtyHead(FormBuilder& form) {
    const char* const heads[] = {"保険会社等の\n名称",
                                 "保険等の種類\n（目的）",
                                 "保険\n期間",
                                 "保険等の契約者\nの氏名",
                                 "家屋等に居住又は\n家財を利用して\nいる者等の氏名",
                                 "あなた\nとの続柄",
                                 "満期返\n戻金等\nの有無",
                                 "本年中に支払った\n保険料等の金額",
                                 "長期・短期\nの区分"};
    for (int i = 0; i < 9; ++i)
        form.text(heads[i], kCasualtyEdges[i], kCasualtyTop, kCasualtyEdges[i + 1],
                  kCasualtyHeadBottom, i == 4 || i == 5 || i == 6 ? 5.5 : kHeadPoints);
    form.text("区分", kLabelRight, kCasualtyTop, kCasualtyEdges[0], kCasualtyHeadBottom,
              kHeadPoints);
    form.hline(kCasualtyHeadBottom, kLabelRight, kInsuranceRight);
}

void drawCasualtyRows(FormBuilder& form) {
    const double tops[] = {kCasualtyHeadBottom, 137.45, kCasualtyTotalTop};
    for (int row = 0; row < 2; ++row) {
        form.text(row == 0 ? "1" : "2", kLabelRight, tops[row], kCasualtyEdges[0], tops[row + 1],
                  8);
        form.text("長・短", kCasualtyEdges[8], tops[row], kCasualtyEdges[9], tops[row + 1], 7);
        form.hline(tops[row + 1], kLabelRight, kInsuranceRight);
    }
    yenAtTopRight(form, kCasualtyEdges[8], kCasualtyHeadBottom);
    for (double edge : kCasualtyEdges) form.vline(edge, kCasualtyTop, kCasualtyTotalTop);
}

// The totals (A) (long-term) and (B) (short-term), then the deductions from them.
void drawCasualtyTotals(FormBuilder& form) {
    const double top = kCasualtyTotalTop;
    const double bottom = kCasualtyDeductionTop;
    form.text("長期損害保険料の金額の合計", kLabelRight + 1, top, 95, bottom, 7, Align::Right);
    form.vline(96, top, bottom);
    mark(form, "(A)", 96, top);
    yenAtTopRight(form, 116, top);
    form.vline(116, top, bottom);
    form.text("短期損害保険料の金額の合計", 117, top, 155, bottom, 7, Align::Right);
    form.vline(156, top, bottom);
    mark(form, "(B)", 156, top);
    yenAtTopRight(form, kInsuranceRight, top);
    form.hline(bottom, kLabelRight, kInsuranceRight);
}

void drawCasualtyDeductions(FormBuilder& form) {
    const double top = kCasualtyDeductionTop;
    const double captionBottom = top + 6;
    const double edges[] = {kLabelRight, 90, 141, kInsuranceRight};
    const char* const captions[] = {"(A)の金額を計算式に当てはめた金額\n（最高15,000円）",
                                    "(B)の金額を計算式に当てはめた金額\n（最高3,000円）",
                                    "損害保険料控除額　計\n（最高15,000円）"};
    for (int i = 0; i < 3; ++i) {
        form.text(captions[i], edges[i] + 1, top, edges[i + 1] - 1, captionBottom, 6, Align::Left,
                  i == 2 ? kGothic : FormFace::Mincho);
        form.textAt("円", edges[i + 1] - 2.0, kCasualtyBottom - 3.0, kMarkPoints);
        if (i > 0) form.vline(edges[i], top, kCasualtyBottom);
    }
}

void drawCasualtyPart(FormBuilder& form) {
    form.box(kLeft, kCasualtyTop, kInsuranceRight, kCasualtyBottom, kMediumRule);
    form.vertical("損害保険料控除", kLeft, kCasualtyTop + 4, kLabelRight, kCasualtyBottom - 4, 8,
                  true, kGothic);
    form.vline(kLabelRight, kCasualtyTop, kCasualtyBottom);
    drawCasualtyHead(form);
    drawCasualtyRows(form);
    drawCasualtyTotals(form);
    drawCasualtyDeductions(form);
}

void drawSocialInsurance(FormBuilder& form) {
    const double headBottom = 175.5;
    const double rows[] = {headBottom, 183.45, 189.5};
    const double groupBottom = 171;
    form.box(kLeft, kSocialTop, kSocialRight, kBottom, kMediumRule);
    form.vertical("社会保険料控除", kLeft, kSocialTop + 2, kLabelRight, kBottom - 2, 7, true,
                  kGothic);
    form.vline(kLabelRight, kSocialTop, kBottom);
    form.text("社会保険の種類", kLabelRight, kSocialTop, 53, headBottom, kHeadPoints);
    form.text("保険料支払先\nの名称", 53, kSocialTop, 72, headBottom, kHeadPoints);
    form.text("保険料を負担する\nことになっている人", 72, kSocialTop, 93, groupBottom, 5);
    form.text("氏名", 72, groupBottom, 86, headBottom, 5.5);
    form.text("続柄", 86, groupBottom, 93, headBottom, 5.5);
    form.text("あなたが本年中に\n支払った保険料\nの金額", 93, kSocialTop, kSocialRight, headBottom,
              5.5);
    form.hline(groupBottom, 72, 93);
    form.hline(headBottom, kLabelRight, kSocialRight);
    form.hline(rows[1], kLabelRight, kSocialRight);
    form.hline(rows[2], kLabelRight, kSocialRight);
    yenAtTopRight(form, kSocialRight, headBottom);
    for (double edge : {53.0, 72.0}) form.vline(edge, kSocialTop, rows[2]);
    form.vline(86, groupBottom, rows[2]);
    form.vline(93, kSocialTop, kBottom);
    form.text("合　計　（控除額）", kLabelRight, rows[2], 93, kBottom, 8, Align::Centre, kGothic);
    yenAtTopRight(form, kSocialRight, rows[2]);
}

void drawMutualAid(FormBuilder& form) {
    const double left = kSocialRight;
    const double labelRight = 121;
    const double valueLeft = 160;
    const double headBottom = 172;
    const double totalTop = 189.5;
    form.box(left, kSocialTop, kInsuranceRight, kBottom, kMediumRule);
    form.vertical("小規模企業共済等掛金控除", left, kSocialTop + 1, labelRight, kBottom - 1, 5.5,
                  true, kGothic);
    form.vline(labelRight, kSocialTop, kBottom);
    form.vline(valueLeft, kSocialTop, kBottom);
    form.text("種　類", labelRight, kSocialTop, valueLeft, headBottom, kHeadPoints);
    form.text("あなたが本年中に\n支払った掛金の金額", valueLeft, kSocialTop, kInsuranceRight,
              headBottom, 5.5);
    form.hline(headBottom, labelRight, kInsuranceRight);
    const char* const kinds[] = {"独立行政法人中小企業基盤整備機構の\n共済契約の掛金",
                                 "確定拠出年金法に規定する\n企業型年金加入者掛金",
                                 "確定拠出年金法に規定する\n個人型年金加入者掛金",
                                 "心身障害者扶養共済制度に\n関する契約の掛金"};
    const double rowHeight = (totalTop - headBottom) / 4;
    for (int i = 0; i < 4; ++i) {
        const double top = headBottom + i * rowHeight;
        form.text(kinds[i], labelRight + 0.8, top, valueLeft - 0.5, top + rowHeight, 5,
                  Align::Left);
        form.hline(top + rowHeight, labelRight, kInsuranceRight);
    }
    yenAtTopRight(form, kInsuranceRight, headBottom);
    form.text("合　計　（控除額）", labelRight, totalTop, valueLeft, kBottom, 8, Align::Centre,
              kGothic);
    yenAtTopRight(form, kInsuranceRight, totalTop);
}

void drawSpouseNameRows(FormBuilder& form) {
    const double captionRight = 226;
    form.text("あなたの本年中の合計所得\n金額の見積額", kSpouseLeft, kPartsTop, 240, 57, 7);
    form.vline(240, kPartsTop, 57);
    form.textAt("円", kRight - 3, 57 - 3.2, 7);
    form.hline(57, kSpouseLeft, kRight);
    // The spouse's reading prints at 61 and the name at 65, either side of the rule at 64.2.
    form.text("（フリガナ）", kSpouseLeft, 57, captionRight, 64.2, 6);
    form.text("配偶者の氏名", kSpouseLeft, 64.2, captionRight, 70, 7);
    form.hline(64.2, captionRight, 262);
    form.vline(captionRight, 57, 80);
    form.vline(262, 57, 70);
    form.text("配偶者の生年月日", 262, 57, kRight, 62, 5.5);
    form.text("明・大・昭・平", 262, 62, kRight, 66, 5);
    form.text("年　月　日", 262, 66, kRight - 0.8, 70, 5.5, Align::Right);
    form.hline(70, kSpouseLeft, kRight);
    form.text("配偶者の住所\n又は居所", kSpouseLeft, 70, captionRight, 80, 7);
    form.hline(80, kSpouseLeft, kRight);
}

void drawSpouseIncome(FormBuilder& form) {
    const double rows[] = {80, 85.5, 90, 94.5, 99};
    form.text("配偶者の\n本年中の\n合計所得\n金額の\n見積額", kSpouseLeft, 80, 206, 99, 6);
    form.vline(206, 80, 99);
    form.vline(226, 80, 94.5);
    form.vline(256, 80, 99);
    form.text("所得の種類", 206, rows[0], 226, rows[1], 6);
    form.text("収入金額", 226, rows[0], 256, rows[1], 6);
    form.text("所得金額", 256, rows[0], kRight, rows[1], 6);
    form.text("給与所得", 206, rows[1], 226, rows[2], 6);
    form.text("その他の所得", 206, rows[2], 226, rows[3], 6);
    form.text("合計所得金額", 206, rows[3], 256, rows[4], 6);
    for (int i = 1; i < 4; ++i) form.hline(rows[i], 206, kRight);
    form.hline(rows[4], kSpouseLeft, kRight, kMediumRule);
}

// The deduction in tens of thousands of yen: two digit boxes before the printed 万円.
void drawSpouseDeduction(FormBuilder& form) {
    const double top = 99;
    const double bottom = 108.5;
    form.text("配偶者特別控除額", kSpouseLeft + 2, top, 250, bottom, 9, Align::Centre, kGothic);
    const double boxEdges[] = {252.8, 256.9, 261.0};
    for (int i = 0; i < 2; ++i) form.box(boxEdges[i], 101, boxEdges[i + 1], 107, kMediumRule);
    form.textAt("万円", 262, 102.3, 8);
    form.hline(bottom, kSpouseLeft, kRight, kMediumRule);
}

void drawSpouseTable(FormBuilder& form) {
    const double headTop = 110;
    const double headBottom = 116;
    const double rowHeight = 5;
    const std::pair<const char*, const char*> bands[] = {
        {"380,001円から399,999円まで", "38万円"}, {"400,000円から449,999円まで", "36万円"},
        {"450,000円から499,999円まで", "31万円"}, {"500,000円から549,999円まで", "26万円"},
        {"550,000円から599,999円まで", "21万円"}, {"600,000円から649,999円まで", "16万円"},
        {"650,000円から699,999円まで", "11万円"}, {"700,000円から749,999円まで", "6万円"},
        {"750,000円から759,999円まで", "3万円"},  {"760,000円以上", "0円"}};
    const double columnEdge = 256;
    const double bottom = headBottom + 10 * rowHeight;
    form.box(kSpouseLeft + 4, headTop, kRight - 4, bottom);
    form.text("配偶者の合計所得金額", kSpouseLeft + 4, headTop, columnEdge, headBottom, 6.5);
    form.text("配偶者特別控除額", columnEdge, headTop, kRight - 4, headBottom, 6.5);
    form.hline(headBottom, kSpouseLeft + 4, kRight - 4);
    form.vline(columnEdge, headTop, bottom);
    for (int i = 0; i < 10; ++i) {
        const double top = headBottom + i * rowHeight;
        form.text(bands[i].first, kSpouseLeft + 5, top, columnEdge - 1, top + rowHeight, 6,
                  Align::Right);
        form.text(bands[i].second, columnEdge, top, kRight - 6, top + rowHeight, 6, Align::Right);
        if (i > 0) form.hline(top, kSpouseLeft + 4, kRight - 4);
    }
}

void drawSpouseNotes(FormBuilder& form) {
    const char* const notes[] = {"（注）１　あなたの本年中の合計所得金額の見積額が1,000万円を",
                                 "　　　　超える場合には、この控除は受けられません。",
                                 "　　　２　配偶者の合計所得金額の見積額が38万円以下の場合は、",
                                 "　　　　扶養控除等申告書の控除対象配偶者に記入してください。"};
    double top = 171;
    for (const char* note : notes) {
        form.textAt(note, kSpouseLeft + 1, top, 5.5);
        top += 2.6;
    }
}

void drawSpousePart(FormBuilder& form) {
    form.box(kSpouseLeft, kPartsTop, kRight, kBottom, kMediumRule);
    drawSpouseNameRows(form);
    drawSpouseIncome(form);
    drawSpouseDeduction(form);
    drawSpouseTable(form);
    drawSpouseNotes(form);
}

}  // namespace

FormDrawing insuranceDeclarationForm() {
    FormBuilder form(291, 208);
    drawTitle(form);
    drawHeader(form);
    drawPartTitles(form);
    drawLifePart(form);
    drawCasualtyPart(form);
    drawSocialInsurance(form);
    drawMutualAid(form);
    drawSpousePart(form);
    return form.take();
}

}  // namespace nencho
