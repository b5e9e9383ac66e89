// The sheet's grid of caption and amount boxes, one 360-twip row each, and the status box,
// notes and buttons on the right.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "yearend/ui/form3.h"
#include "yearend/ui/form3_controls.h"

namespace nencho {

using namespace form3;

namespace {

constexpr int kRowHeight = 360;
constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 2295;
constexpr int kWideCaptionWidth = 3735;  // the rows from 住宅取得控除 down span two columns
constexpr int kPayLeft = 2400;
constexpr int kTaxLeft = 3840;
constexpr int kAmountWidth = 1455;

const QColor kLightGrey(224, 224, 224);
const QColor kLightGreen(192, 255, 192);
const QColor kLightYellow(255, 255, 192);
const QColor kLightCyan(192, 255, 255);
const QColor kMagenta(255, 0, 255);

void paint(QWidget* widget, const QColor& background, const QColor& text = Qt::black) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

void embolden(QWidget* widget, double pointSize) {
    QFont bold = widget->font();
    bold.setBold(true);
    bold.setPointSizeF(pointSize);
    widget->setFont(bold);
}

struct AmountRow {
    int top;
    const char* captionBox;
    const char* caption;
    const char* payBox;  // column 2, or none
    const char* taxBox;  // column 3, or none
    QColor background;
};

const AmountRow kRows[] = {
    {480, "Text3", "給   与   額", kMonthPayBox, kMonthTaxBox, kLightGrey},
    {840, "Text4", "賞   与   額", kBonusPayBox, kBonusTaxBox, kLightGrey},
    {1200, "Text5", "給 与 総 額", kGrandPayBox, kGrandTaxBox, kLightGreen},
    {1560, "Text54", "所得控除後の金額 ", kEmploymentIncomeBox, nullptr, kLightYellow},
    {1920, "Text6", "社会保険料等", kGrandInsuranceBox, nullptr, kLightGrey},
    {2280, "Text7", "申告社会保険料", kDeclaredInsuranceBox, nullptr, kLightGrey},
    {2640, "Text8", "小規模企業共済掛金", kMutualAidBox, nullptr, kLightGrey},
    {3000, "Text9", "生命保険料", kLifeInsuranceBox, nullptr, kLightGrey},
    {3360, "Text10", "損 害 保 険", kCasualtyBox, nullptr, kLightGrey},
    {3720, "Text11", "配偶者特別控除額", kSpouseSpecialBox, nullptr, kLightGrey},
    {4080, "Text12", "基礎・扶養控除合計", kDependantsBox, nullptr, kLightGrey},
    {4440, "Text14", "控 除 合 計", kDeductionsInAllBox, nullptr, kLightCyan},
    {4800, "Text15", "差引課税所得", kTaxableIncomeBox, kTaxOnTaxableIncomeBox, kLightYellow},
};

// The wide rows: a caption over columns 1 and 2, the amount in column 3.
struct WideRow {
    int top;
    const char* captionBox;
    const char* caption;
    const char* taxBox;
    QColor background;
};

const WideRow kWideRows[] = {
    {5160, "Text39", "          住宅取得控除", kHousingCreditBox, kLightGrey},
    {5520, "Text17", "年 調 年 税 額", kTaxAfterCreditBox, kLightGrey},
    {5880, "Text19", "年調定率控除額", kFixedRateReductionBox, kLightGrey},
    {6240, kAnnualTaxCaption, "", kAnnualTaxBox, kLightGreen},
    {6600, kShortfallCaption, "不 足 額 ", kBalanceBox, kLightGrey},
};

}  // namespace

QLineEdit* Form3::addCaptionBox(const char* name, const char* caption, int left, int top, int width,
                                int height) {
    QLineEdit* box = addText(name, left, top, width, height);
    box->setText(caption);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// Every amount of the sheet comes from the records or the adjustment: none takes typing, and
// Tab passes them by.
QLineEdit* Form3::addAmountBox(const char* name, int left, int top, int width, int height) {
    QLineEdit* box = amountBox(addText(name, left, top, width, height));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

void Form3::buildCaptions() {
    addCaptionBox("Text52", "支  給  額", kPayLeft, 120, kAmountWidth, kRowHeight)
        ->setAlignment(Qt::AlignCenter);
    addCaptionBox("Text53", "税      額", kTaxLeft, 120, kAmountWidth, kRowHeight)
        ->setAlignment(Qt::AlignCenter);
    for (const AmountRow& row : kRows)
        addCaptionBox(row.captionBox, row.caption, kCaptionLeft, row.top, kCaptionWidth,
                      kRowHeight);
    for (const WideRow& row : kWideRows)
        addCaptionBox(row.captionBox, row.caption, kCaptionLeft, row.top, kWideCaptionWidth,
                      kRowHeight);
    paint(controlWidget(kAnnualTaxCaption), kLightGreen);
    // The refund caption lies on the shortfall caption; neither shows until an adjustment.
    addCaptionBox(kRefundCaption, "還 付 額", kCaptionLeft, 6600, kWideCaptionWidth, kRowHeight);
    paint(controlWidget(kShortfallCaption), Qt::red);
    paint(controlWidget(kRefundCaption), Qt::yellow);
    for (const char* caption : {kShortfallCaption, kRefundCaption}) {
        embolden(controlWidget(caption), 12);
        controlWidget(caption)->hide();
    }
}

void Form3::buildAmountBoxes() {
    for (const AmountRow& row : kRows) {
        paint(addAmountBox(row.payBox, kPayLeft, row.top, kAmountWidth, kRowHeight),
              row.background);
        if (row.taxBox)
            paint(addAmountBox(row.taxBox, kTaxLeft, row.top, kAmountWidth, kRowHeight),
                  row.background);
    }
    for (const WideRow& row : kWideRows)
        paint(addAmountBox(row.taxBox, kTaxLeft, row.top, kAmountWidth, kRowHeight),
              row.background);

    // Three small captions over three small amounts in column 3, between the rows.
    const struct {
        const char* captionBox;
        const char* caption;
        const char* amountBox;
        int top;
    } smallRows[] = {
        {"Text28", "生保年金", kPensionPremiumsBox, 2640},
        {"Text56", "長期損保", kLongTermCasualtyBox, 3120},
        {"Text1", "配偶者所得", kSpouseIncomeBox, 3600},
    };
    for (const auto& row : smallRows) {
        addCaptionBox(row.captionBox, row.caption, kTaxLeft, row.top, 1095, 285);
        QLineEdit* box = addAmountBox(row.amountBox, kTaxLeft, row.top + 240, 1095, 285);
        // The small boxes take a smaller face, so that the longest amount fits.
        QFont small = box->font();
        small.setPointSizeF(8);
        box->setFont(small);
        paint(box, kLightGrey);
    }
    auto* line = new QFrame(this);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::VLine);
    line->setGeometry(twipsToPixels(5280), twipsToPixels(1560), 1, twipsToPixels(4800 - 1560));
    for (const char* unused : {"Text21", "Text44", "Text51"}) addHiddenText(unused);
}

void Form3::buildSideControls() {
    addButton(kClearButton, "ク    リ   ア", kCaptionLeft, 120, kCaptionWidth, kRowHeight);
    QLineEdit* status = addText(kStatusBox, 5520, 1200, 1815, 375);
    status->setAlignment(Qt::AlignCenter);
    status->setReadOnly(true);
    paint(status, kMagenta);

    const struct {
        const char* name;
        const char* text;
        int top;
    } notes[] = {
        {"Label1", "※ データが表示されない時は、「年末調整実行」をクリックして下さい。", 2760},
        {"Label2", "※ データが未入力の状態で「年末調整実行」をクリックしますとフリーズします。",
         4080},
    };
    for (const auto& note : notes) {
        QLabel* label = addLabel(note.name, note.text, 5400, note.top, 1935, 975);
        label->setWordWrap(true);
        paint(label, palette().color(QPalette::Window), Qt::red);
    }

    addButton(kNotAdjustButton, "年末調整しない", 5400, 5520, 2055, 495);
    embolden(addButton(kAdjustButton, "年末調整実行", 5400, 6000, 2055, 495), 14.25);
    QPushButton* end = addButton(kEndButton, "END", 6960, 6720, 495, 240);
    QFont small = end->font();
    small.setPointSizeF(8.25);
    end->setFont(small);

    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    addHiddenButton(kLoadButton, "データ呼出");
    addHiddenButton(kReplayStoredButton, "年末調整の再現");
}

}  // namespace nencho
