// The element tables of the blank withholding statement. Positions are millimetres from the
// copy's origin; the texts are taken character for character (ordinary and ideographic spaces
// included) from the printed form.
#include <array>

#include "statement/statement_form.h"

namespace nencho {

namespace {

using Text = StatementFormText;
using Rule = StatementFormRule;

// Year heading and title above the frame of the lower copies; copy 4's pair stands 2 mm
// further right in its copy than copy 3's.
constexpr std::array<Text, 2> kTitleCopy3{{
    {"平成 17 年分", 11, 38, 0},
    {"給与所得の源泉徴収票", 14, 65, -1},
}};
constexpr std::array<Text, 2> kTitleCopy4{{
    {"平成 17 年分", 11, 40, 0},
    {"給与所得の源泉徴収票", 14, 67, -1},
}};

// The heads of the three boxes above the frame of the upper copies.
constexpr std::array<Text, 3> kUpperEdgeCaptions{{
    {"※種別", 6, 30, 0},
    {"※指定番号", 6, 66, 0},
    {"※個人番号", 6, 97, 0},
}};

constexpr std::array<Text, 5> kUpperLowerEdgeCaptions{{
    {"※", 8, 21, 95},
    {"Ａ", 8, 38, 95},
    {"Ｂ", 8, 64, 95},
    {"Ｃ", 8, 90, 95},
    {"Ｄ", 8, 117, 95},
}};
constexpr std::array<Text, 3> kLowerLowerEdgeCaptions{{
    {"整　理　欄", 8, 13, 94},
    {"①", 8, 32, 94},
    {"②", 8, 68, 94},
}};

// The left margin of the upper copies: the mark, then three words one character under another.
constexpr std::array<Text, 19> kUpperSideLabels{{
    {"⑱", 14, 2, 5},   {"給", 14, 2, 23}, {"与", 14, 2, 28}, {"支", 14, 2, 33}, {"払", 14, 2, 38},
    {"報", 14, 2, 43}, {"告", 14, 2, 48}, {"書", 14, 2, 53}, {"個", 7, 3, 59},  {"人", 7, 3, 62},
    {"別", 7, 3, 65},  {"明", 7, 3, 68},  {"細", 7, 3, 71},  {"書", 7, 3, 74},  {"市", 7, 5, 83},
    {"区", 7, 5, 86},  {"町", 7, 5, 89},  {"村", 7, 5, 92},  {"用", 7, 5, 95},
}};
// The side labels of the lower copies both end at y 91.
constexpr std::array<Text, 6> kSideLabelCopy3{{
    {"税", 7, 5, 76},
    {"務", 7, 5, 79},
    {"署", 7, 5, 82},
    {"提", 7, 5, 85},
    {"出", 7, 5, 88},
    {"用", 7, 5, 91},
}};
constexpr std::array<Text, 5> kSideLabelCopy4{{
    {"本", 7, 5, 79},
    {"人", 7, 5, 82},
    {"交", 7, 5, 85},
    {"付", 7, 5, 88},
    {"用", 7, 5, 91},
}};

// The classification cell and the address label of the upper copies.
constexpr std::array<Text, 4> kUpperAddressLabels{{
    {"※ 区", 8, 19, 6},
    {"分", 8, 35, 6},
    {"住", 8, 19, 10},
    {"所", 8, 19, 16},
}};
// The address label of the lower copies, down the whole label column.
constexpr std::array<Text, 6> kLowerAddressLabels{{
    {"住", 6, 19, 6},
    {"所", 6, 19, 8},
    {"又", 6, 19, 10},
    {"は", 6, 19, 12},
    {"居", 6, 19, 14},
    {"所", 6, 19, 16},
}};

constexpr std::array<StatementHeadingGroup, 16> kHeadingGroups{{
    {3, kTitleCopy3},
    {4, kTitleCopy4},
    {1, kUpperEdgeCaptions},
    {2, kUpperEdgeCaptions},
    {1, kUpperLowerEdgeCaptions},
    {2, kUpperLowerEdgeCaptions},
    {3, kLowerLowerEdgeCaptions},
    {4, kLowerLowerEdgeCaptions},
    {1, kUpperSideLabels},
    {2, kUpperSideLabels},
    {3, kSideLabelCopy3},
    {4, kSideLabelCopy4},
    {1, kUpperAddressLabels},
    {2, kUpperAddressLabels},
    {3, kLowerAddressLabels},
    {4, kLowerAddressLabels},
}};

constexpr std::array<Text, 98> kCaptions{{
    // The payee block.
    {"支 　払", 7, 10, 7},
    {"を受け", 7, 10, 11},
    {"る 　者", 7, 10, 15},
    {"氏", 7, 84, 8},
    {"名", 7, 84, 14},
    {"受給者番号", 7, 87, 6},
    {"フリガナ", 7, 88, 10},
    {"(役職名)", 7, 88, 13},
    // The headings of the amounts band.
    {"種　  　　別", 7, 14, 21},
    {"支   払   金   額", 7, 37, 21},
    {"給与所得控除後の金額", 7, 61, 21},
    {"所得控除の額の合計額", 7, 88, 21},
    {"源 泉 徴 収 税 額", 7, 118, 21},
    // The headings of the deductions band.
    {"控除対象", 6, 10, 33},
    {"配偶者の", 6, 10, 35},
    {"有  無  等", 6, 10, 37},
    {"老", 6, 22, 36},
    {"人", 6, 22, 38},
    {"配偶者特別", 6, 26, 33},
    {"控除 の 額", 6, 26, 36},
    {"扶   養   親   族   の   数", 6, 42, 32},
    {" (配  偶  者  を  除  く)", 6, 43, 34},
    {"障害者の数", 6, 71, 32},
    {"(本人を除く)", 6, 71, 34},
    {"社 会 保 険 料", 6, 87, 33},
    {"等 の 金 額", 6, 89, 36},
    {"生命保険料", 6, 104, 33},
    {"  の控除額", 6, 104, 36},
    {"損害保険料", 6, 116, 33},
    {"  の控除額", 6, 116, 36},
    {"住宅借入金等", 6, 128, 33},
    {"特別控除の額", 6, 128, 36},
    {"特  定", 6, 39, 37},
    {"老　　人", 6, 50, 37},
    {"その他", 6, 62, 37},
    {"特  別", 6, 72, 37},
    {"他", 6, 81, 37},
    // The three amount rows beside the remarks.
    {"配  偶  者 の 合計所得", 8, 84, 50},
    {"個人年金保険料の金額", 8, 84, 56},
    {"長期損害保険料の金額", 8, 84, 62},
    // The status band, mostly one character under another.
    {"夫", 8, 10, 67},
    {"あ", 8, 10, 70},
    {"り", 8, 10, 73},
    {"未", 8, 16, 67},
    {"成", 8, 16, 69},
    {"年", 8, 16, 71},
    {"者", 8, 16, 73},
    {"乙", 8, 22, 67},
    {"欄", 8, 22, 73},
    {"本人障害者", 6, 26, 67},
    {"特", 6, 27, 71},
    {"別", 6, 27, 75},
    {"そ", 6, 33, 71},
    {"の", 6, 33, 73},
    {"他", 6, 33, 75},
    {"老", 8, 39, 67},
    {"年", 8, 39, 70},
    {"者", 8, 39, 73},
    {"寡 婦", 8, 45, 67},
    {"一", 8, 44, 71},
    {"般", 8, 44, 74},
    {"特", 8, 50, 71},
    {"別", 8, 50, 74},
    {"寡 ", 8, 57, 67},
    {"夫", 8, 57, 73},
    {"勤", 8, 62, 67},
    {"労", 8, 62, 69},
    {"学", 8, 62, 71},
    {"生", 8, 62, 73},
    {"死", 8, 68, 67},
    {"亡", 8, 68, 69},
    {"退", 8, 68, 71},
    {"職", 8, 68, 73},
    {"災", 8, 74, 67},
    {"害", 8, 74, 70},
    {"者", 8, 74, 73},
    {"外", 8, 80, 67},
    {"国", 8, 80, 70},
    {"人", 8, 80, 73},
    // Joining or leaving during the year; the data adds the month and day beside the year.
    {"中 途 就・退 職", 6, 90, 67},
    {"就職", 6, 85, 71},
    {"退職", 6, 90, 71},
    {"年　　月　　日", 6, 96, 71},
    {"", 6, 96, 75, true},
    // The payee's birth date.
    {"受 給 者  生 年 月 日", 6, 115, 67},
    {"明　　大　昭", 6, 110, 71},
    {"平", 6, 123, 71},
    {"年　　月　　日", 6, 128, 71},
    // The payer block.
    {"支", 9, 10, 80},
    {"払", 9, 10, 84},
    {"者", 9, 10, 88},
    {"住 所(居所)", 8, 17, 79},
    {"又は所在地", 8, 17, 82},
    {"氏  名又は", 8, 17, 87},
    {"名　  　　称", 8, 17, 90},
    // The remarks, and the spouse's value cell of the deductions band.
    {"(摘要)", 7, 10, 49},
    {"有無  有無", 7, 9, 45},
    {"従", 7, 17, 42},
}};

constexpr std::array<Rule, 71> kGrid{{
    // The frame.
    {8, 5, 141, 5, 6},
    {8, 5, 8, 94, 6},
    {141, 5, 141, 94, 6},
    {8, 94, 141, 94, 6},
    // Vertical rules, band by band from the top: the payee block.
    {18, 5, 18, 20, 3},
    {23, 9, 23, 20, 3},
    {83, 5, 83, 20, 3},
    {87, 5, 87, 20, 3},
    {100, 5, 100, 13, 3},
    // The amounts band.
    {32, 20, 32, 32, 3},
    {60, 20, 60, 32, 3},
    {87, 20, 87, 32, 3},
    {114, 20, 114, 32, 3},
    // The deductions band.
    {25, 32, 25, 48, 3},
    {37, 32, 37, 48, 3},
    {70, 32, 70, 48, 3},
    {84, 32, 84, 48, 3},
    {103, 32, 103, 48, 3},
    {115, 32, 115, 48, 3},
    {128, 32, 128, 48, 3},
    {21, 35, 21, 48, 3},
    {47, 37, 47, 48, 3},
    {61, 37, 61, 48, 3},
    {80, 37, 80, 48, 3},
    // The remarks and premiums band.
    {82, 48, 82, 66, 3},
    {114, 48, 114, 66, 3},
    // The status band.
    {14, 66, 14, 78, 3},
    {20, 66, 20, 78, 3},
    {26, 66, 26, 78, 3},
    {37, 66, 37, 78, 3},
    {43, 66, 43, 78, 3},
    {55, 66, 55, 78, 3},
    {61, 66, 61, 78, 3},
    {67, 66, 67, 78, 3},
    {73, 66, 73, 78, 3},
    {79, 66, 79, 78, 3},
    {85, 66, 85, 78, 3},
    {110, 66, 110, 78, 3},
    {31, 70, 31, 78, 3},
    {49, 70, 49, 78, 3},
    {90, 70, 90, 78, 3},
    {95, 70, 95, 78, 3},
    {100, 70, 100, 78, 3},
    {105, 70, 105, 78, 3},
    {114, 70, 114, 78, 3},
    {118, 70, 118, 78, 3},
    {122, 70, 122, 78, 3},
    {126, 70, 126, 78, 3},
    {131, 70, 131, 78, 3},
    {136, 70, 136, 78, 3},
    // The payer block.
    {16, 78, 16, 94, 3},
    {32, 78, 32, 94, 3},
    // The band rules across the whole frame.
    {8, 20, 141, 20, 3},
    {8, 24, 141, 24, 3},
    {8, 32, 141, 32, 3},
    {8, 40, 141, 40, 3},
    {8, 48, 141, 48, 3},
    {8, 66, 141, 66, 3},
    {8, 78, 141, 78, 3},
    // Shorter horizontal rules.
    {87, 13, 141, 13, 3},
    {21, 35, 25, 35, 3},
    {37, 37, 84, 37, 3},
    {82, 54, 141, 54, 3},
    {82, 60, 141, 60, 3},
    {26, 70, 37, 70, 3},
    {43, 70, 55, 70, 3},
    {85, 70, 141, 70, 3},
    {85, 74, 141, 74, 3},
    {16, 86, 141, 86, 3},
    {87, 9, 141, 9, 3},
    // The divider of the spouse's value cell.
    {15, 40, 15, 48, 3},
}};

constexpr std::array<Rule, 18> kUpperCopyRules{{
    // The strip of boxes above the frame.
    {29, 0, 141, 0, 6},
    {29, 0, 29, 5, 6},
    {65, 0, 65, 5, 6},
    {96, 0, 96, 5, 6},
    {141, 0, 141, 5, 6},
    // The lettered row below the frame.
    {8, 98, 141, 98, 6},
    {8, 94, 8, 98, 6},
    {37, 94, 37, 98, 6},
    {42, 94, 42, 98, 6},
    {63, 94, 63, 98, 6},
    {68, 94, 68, 98, 6},
    {89, 94, 89, 98, 6},
    {94, 94, 94, 98, 6},
    {116, 94, 116, 98, 6},
    {121, 94, 121, 98, 6},
    {141, 94, 141, 98, 6},
    // The classification cell of the payee block.
    {18, 9, 83, 9, 3},
    {39, 5, 39, 9, 3},
}};

constexpr std::array<Rule, 6> kLowerCopyRules{{
    // The row 整理欄 below the frame.
    {8, 94, 8, 97, 3},
    {103, 94, 103, 97, 3},
    {8, 97, 103, 97, 6},
    {31, 94, 31, 97, 3},
    {67, 94, 67, 97, 3},
    // The upper part of the address label's right edge.
    {23, 5, 23, 14, 3},
}};

}  // namespace

std::span<const StatementHeadingGroup> statementHeadingGroups() {
    return kHeadingGroups;
}

std::span<const StatementFormText> statementCaptions() {
    return kCaptions;
}

std::span<const StatementFormRule> statementGrid() {
    return kGrid;
}

std::span<const StatementFormRule> upperCopyRules() {
    return kUpperCopyRules;
}

std::span<const StatementFormRule> lowerCopyRules() {
    return kLowerCopyRules;
}

}  // namespace nencho
