// The batch screen's layout: the all-persons frame on the left with ＥＮＤ below it, the range
// frame on the right, on a light yellow ground. Positions in twips.
#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "batch/ui/form17.h"
#include "batch/ui/form17_controls.h"
#include "common/keys.h"

namespace nencho {

using namespace form17;

namespace {

const QColor kLightYellow(255, 255, 192);

void paintYellow(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kLightYellow);
    palette.setColor(QPalette::Base, kLightYellow);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The first and tallest button of each frame.
void embolden(QPushButton* button) {
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(15.75);
    button->setFont(font);
}

// A text box that only shows its caption.
void useAsLabel(QLineEdit* box, const QString& caption) {
    box->setText(caption);
    box->setReadOnly(true);
    box->setCursorPosition(0);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    paintYellow(box);
}

constexpr int kButtonLeft = 120;
constexpr int kTallButtonHeight = 855;
constexpr int kButtonHeight = 495;

}  // namespace

void Form17::buildAllPersonsFrame() {
    QFont font("ＭＳ Ｐゴシック");
    font.setPointSizeF(11.25);
    setFont(font);
    paintYellow(this);

    QGroupBox* frame = addFrame("Frame1", "全員の一括印刷", 120, 120, 3735, 3615);
    paintYellow(frame);
    constexpr int kWidth = 3495;
    embolden(addButton(kAllStatementsButton, "源泉徴収票", kButtonLeft, 360, kWidth,
                       kTallButtonHeight, {}, frame));
    addButton(kAllLedgersButton, "源泉徴収簿", kButtonLeft, 1320, kWidth, kButtonHeight, {}, frame);
    addButton(kAllDependantsButton, "扶養控除等申告書", kButtonLeft, 1920, kWidth, kButtonHeight,
              {}, frame);
    addButton(kAllInsuranceButton, "保険控除 兼 配偶者", kButtonLeft, 2520, kWidth, kButtonHeight,
              {}, frame);
    addButton(kEndButton, "ＥＮＤ", 120, 3855, 3735, kButtonHeight);
}

void Form17::buildRangeFrame() {
    QGroupBox* frame = addFrame("Frame2", "特定の印刷", 3975, 120, 5115, 3615);
    paintYellow(frame);
    showsUpTo(addText(kFirstCodeBox, 120, 360, 615, 375, frame), QString::number(kLastPersonCode));
    useAsLabel(addText("Text4", 750, 360, 975, 375, frame), "人目から");
    showsUpTo(addText(kLastCodeRangeBox, 1725, 360, 615, 375, frame),
              QString::number(kLastPersonCode));
    useAsLabel(addText("Text5", 2385, 360, 1755, 375, frame), "人目までの印刷");
    addButton(kRangeClearButton, "Ｃ", 4200, 360, 375, 375, {}, frame);
    addButton(kSameCodeButton, "同", 4620, 360, 375, 375, {}, frame);
    constexpr int kWidth = 4875;
    embolden(addButton(kRangeStatementsButton, "源泉徴収票", kButtonLeft, 840, kWidth,
                       kTallButtonHeight, {}, frame));
    addButton(kRangeLedgersButton, "源泉徴収簿", kButtonLeft, 1800, kWidth, kButtonHeight, {},
              frame);
    addButton(kRangeDependantsButton, "扶養控除等申告書", kButtonLeft, 2400, kWidth, kButtonHeight,
              {}, frame);
    addButton(kRangeInsuranceButton, "保険控除 兼 配偶者", kButtonLeft, 3000, kWidth, kButtonHeight,
              {}, frame);
}

// The year box and year button come with the work screen.
void Form17::buildHiddenControls() {
    addHiddenText(kEraYearBox);
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    addHiddenText(kLastCodeBox);
    addHiddenButton(kProbeButton, "ラストナンバーの取得");
    addHiddenButton(kLoadButton, "データ呼出");
    addHiddenButton(kStatementButton, "源泉徴収票");
    addHiddenButton(kLedgerButton, "源泉徴収簿");
    addHiddenButton(kDependantsButton, "扶養控除等申告書");
    addHiddenButton(kInsuranceButton, "保険控除 兼 配偶者特別控除申告書");
}

}  // namespace nencho
