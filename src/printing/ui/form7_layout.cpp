// The print screen's layout: the summary rows like the top of the withholding statement, the
// conditions and notes, the statement's frame and the buttons. Positions in twips.
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"
#include "records/person_file.h"

namespace nencho {

using namespace form7;

namespace {

constexpr int kRowHeight = 255;

// The last three amount columns of the deductions row; the housing-loan column is the widest,
// so that its caption fits, and ends at the window's right edge less a margin.
constexpr int kAmountWidth = 1035;
constexpr int kLifeLeft = 6540;
constexpr int kCasualtyLeft = kLifeLeft + kAmountWidth + 45;
constexpr int kHousingLeft = kCasualtyLeft + kAmountWidth + 45;
constexpr int kHousingWidth = 9915 - kHousingLeft;

QLabel* bold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* rightAligned(QLabel* label) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The deductions row's amounts are set smaller, so that the longest fits its narrow column.
QLabel* small(QLabel* label) {
    QFont font = label->font();
    font.setPointSizeF(8.5);
    label->setFont(font);
    return label;
}

// A label showing an amount.
QLabel* amount(QLabel* label) {
    Screen::showsUpTo(label, longestAmountText());
    return label;
}

QLabel* centred(QLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* framed(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

// A caption no other part of the program reads.
struct Caption {
    const char* text;
    int left;
    int top;
    int width;
};

}  // namespace

void Form7::buildSummary() {
    showsUpTo(centred(addLabel(kPositionLabel, {}, 120, 120, 1575, 375)),
              fullWidthText(kPositionLength));
    showsUpTo(addText(kNameBox, 1800, 120, 2775, 375), fullWidthText(kNameLength));
    addLabel(kBirthDateLabel, {}, 4680, 180, 3135, kRowHeight);

    for (const Caption& c :
         {Caption{"種　　別", 120, 720, 1575}, Caption{"支 払 金 額", 1800, 720, 1815},
          Caption{"給与所得控除後の金額", 3660, 720, 2055},
          Caption{"所得控除の額の合計額", 5760, 720, 1935},
          Caption{"源泉徴収税額", 7800, 720, 1935}})
        centred(addLabel({}, c.text, c.left, c.top, c.width, kRowHeight));
    framed(centred(addLabel(kPayKindLabel, {}, 120, 1320, 1575, 375)));
    framed(rightAligned(bold(amount(addLabel(kPayInAllLabel, {}, 1800, 1320, 1815, 375)))));
    framed(rightAligned(amount(addLabel(kEmploymentIncomeLabel, {}, 3720, 1320, 1935, 375))));
    framed(rightAligned(amount(addLabel(kDeductionsInAllLabel, {}, 5760, 1320, 1935, 375))));
    framed(rightAligned(bold(amount(addLabel(kAnnualTaxLabel, {}, 7800, 1320, 1935, 375)))));

    for (const Caption& c :
         {Caption{"配偶  者", 120, 1800, 735}, Caption{"配偶者特別控除", 900, 1800, 1455},
          Caption{"扶  養  家  族  数", 2400, 1800, 1695}, Caption{"特定", 2355, 2160, 585},
          Caption{"老人", 2955, 2160, 585}, Caption{"その他", 3555, 2160, 585},
          Caption{"障 害 者", 4200, 1800, 1095}, Caption{"特別", 4155, 2160, 585},
          Caption{"その他", 4755, 2160, 585}, Caption{"社会保険料", 5400, 1800, 1095},
          Caption{"生命保険", kLifeLeft, 1800, kAmountWidth},
          Caption{"損害保険", kCasualtyLeft, 1800, kAmountWidth},
          Caption{"住宅取得控除", kHousingLeft, 1800, kHousingWidth}})
        centred(addLabel({}, c.text, c.left, c.top, c.width, kRowHeight));
    framed(centred(addLabel(kSpouseMarkLabel, {}, 120, 2640, 735, kRowHeight)));
    framed(rightAligned(
        amount(addLabel(kSpouseSpecialDeductionLabel, {}, 960, 2640, 1335, kRowHeight))));
    const char* countLabels[] = {kSpecificCountLabel, kElderlyCountLabel,
                                 kOtherDependantsCountLabel, kSpecialDisabledCountLabel,
                                 kOtherDisabledCountLabel};
    for (int i = 0; i < 5; ++i)
        framed(rightAligned(addLabel(countLabels[i], {}, 2400 + 600 * i, 2640, 495, kRowHeight)));
    rightAligned(addLabel(kMutualAidLabel, {}, 5400, 2400, 1095, kRowHeight));
    framed(rightAligned(
        small(amount(addLabel(kSocialInsuranceLabel, {}, 5400, 2640, 1095, kRowHeight)))));
    framed(rightAligned(small(
        amount(addLabel(kLifeInsuranceLabel, {}, kLifeLeft, 2640, kAmountWidth, kRowHeight)))));
    framed(rightAligned(small(
        amount(addLabel(kCasualtyLabel, {}, kCasualtyLeft, 2640, kAmountWidth, kRowHeight)))));
    framed(rightAligned(
        amount(addLabel(kHousingCreditLabel, {}, kHousingLeft, 2640, kHousingWidth, kRowHeight))));
}

void Form7::buildConditionsAndNotes() {
    // The spouse and the five dependants, three names to a line, each wide enough for the
    // longest name.
    addLabel({}, " 配偶者等:", 60, 3090, 900, kRowHeight);
    const char* nameLabels[] = {kSpouseNameLabel,     kDependant1NameLabel, kDependant2NameLabel,
                                kDependant3NameLabel, kDependant4NameLabel, kDependant5NameLabel};
    constexpr int kNameWidth = 1620;
    for (int i = 0; i < 6; ++i) {
        QLabel* name = addLabel(nameLabels[i], {}, 960 + (kNameWidth + 45) * (i % 3),
                                3090 + kRowHeight * (i / 3), kNameWidth, kRowHeight);
        showsUpTo(name, fullWidthText(kNameLength));
    }
    addLabel({}, "配偶者合計所得", kHousingLeft - 1560, 3120, 1515, kRowHeight);
    framed(rightAligned(
        amount(addLabel(kSpouseIncomeLabel, {}, kHousingLeft, 3120, kHousingWidth, kRowHeight))));

    addLabel({}, "[本人の条件]", 120, 3600, 1215, kRowHeight);
    const char* firstLine[] = {kOwnConditionLabel, kHusbandLabel, kMinorLabel,
                               kSecondaryColumnLabel};
    const char* secondLine[] = {kJoiningOrLeavingLabel, kRetiredByDeathLabel, kDisasterVictimLabel,
                                kForeignerLabel};
    for (int i = 0; i < 4; ++i) {
        addLabel(firstLine[i], {}, 1440 + 1200 * i, 3600, 1095, kRowHeight);
        addLabel(secondLine[i], {}, 1440 + 1200 * i, 3840, 1095, kRowHeight);
    }
    addLabel({}, "個人年金保険料", 6600, 3600, 1575, kRowHeight);
    framed(rightAligned(amount(addLabel(kPensionPremiumsLabel, {}, 8280, 3600, 1455, kRowHeight))));
    addLabel({}, "長期損害保険料", 6600, 3960, 1575, kRowHeight);
    framed(
        rightAligned(amount(addLabel(kLongTermCasualtyLabel, {}, 8280, 3960, 1455, kRowHeight))));

    addLabel(kNoteLine1Label, {}, 120, 4200, 6255, kRowHeight);
    addLabel(kNoteLine2Label, {}, 120, 4560, 6255, kRowHeight);
    centred(bold(addLabel(kBalanceCaptionLabel, {}, 6600, 4320, 1455, 375)));
    QLabel* balance =
        framed(rightAligned(bold(amount(addLabel(kBalanceLabel, {}, 8160, 4320, 1575, 375)))));
    balance->setAutoFillBackground(true);
    addLabel(kFixedRateCaptionLabel, {}, 6600, 5040, 1455, kRowHeight);
    rightAligned(addLabel(kFixedRateLabel, {}, 8160, 5040, 1575, kRowHeight));
}

void Form7::buildStatementFrame() {
    QGroupBox* frame = addFrame("Frame1", "源泉徴収票", 120, 5160, 4215, 1455);
    auto greyCaption = [&](const char* text, int left, int top, int width) {
        QLabel* caption = addLabel({}, text, left, top, width, kRowHeight, frame);
        caption->setAutoFillBackground(true);
        caption->setStyleSheet("background-color: rgb(192, 192, 192);");
    };
    greyCaption("右側へ", 60, 360, 615);
    addText(kShiftRightBox, 675, 300, 420, 375, frame)->setText("0");
    greyCaption(" mm 移動する", 1095, 360, 1185);
    greyCaption("下方へ", 60, 840, 615);
    addText(kShiftDownBox, 675, 780, 420, 375, frame)->setText("0");
    greyCaption(" mm 移動する", 1095, 840, 1185);
    addButton(kShiftClearButton, "クリア", 2295, 240, 540, 1095, {}, frame);
    addButton(kStatementDataPrintButton, "データのみ印刷", 2850, 240, 1335, 1095, {}, frame);
}

void Form7::buildButtons() {
    addButton(kStatementPrintButton, "源泉徴収票の印刷", 4440, 5400, 2055, 495);
    addButton(kNextPersonButton, "次の人", 4440, 5940, 1005, 375);
    addButton(kPreviousPersonButton, "前の人", 5490, 5940, 1005, 375);
    addButton(kStatementFormPrintButton, "源泉徴収票のフォームのみ印刷", 120, 6660, 4215, 315);
    addButton(kBatchButton, "全員の一括印刷", 4440, 6360, 2055, 495);
    QGroupBox* frame = addFrame("Frame2", "各種の印刷", 6600, 5400, 3285, 1575);
    addButton(kLedgerPrintButton, "源泉徴収簿", 60, 240, 3165, 375, {}, frame);
    addButton(kDependantsPrintButton, "扶養控除等申告書", 60, 660, 3165, 375, {}, frame);
    addButton(kInsurancePrintButton, "保険控除 兼 配偶者特別控除申告書", 60, 1080, 3165, 375, {},
              frame);
    addLabel({}, "※ 印刷はA4コピー用紙に印刷してください", 120, 7080, 4215, kRowHeight);
    addButton(kBackToMenuButton, "初期画面に戻る", 4440, 6960, 2055, 495);
    addButton(kEndButton, "終　　了", 6600, 7080, 3225, 375);
}

void Form7::buildHiddenControls() {
    addHiddenText(kEraYearBox);
    addHiddenText(kFollowingYearMarkBox);
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    addHiddenButton(kDisplayButton, "表示実行");
    addHiddenButton(kWithSpouseButton, "配偶者あり");
    addHiddenButton(kWithoutSpouseButton, "配偶者なし");
    addHiddenButton(kLoadButton, "データ呼出");
    addHiddenButton(kClearButton, "クリア");
    addHiddenButton(kNotesButton, "特記事項呼出");
}

}  // namespace nencho
