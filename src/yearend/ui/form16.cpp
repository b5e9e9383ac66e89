// The spouse and housing screen's layout: the entry rows, the frame that derives the income from
// the pay, the note and picture of the deduction rule, and the buttons.
#include "yearend/ui/form16.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "records/person_file.h"
#include "yearend/ui/form16_controls.h"

namespace nencho {

using namespace form16;

namespace {

constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 2400;
constexpr int kBoxLeft = kCaptionLeft + kCaptionWidth;
constexpr int kBoxWidth = 2400;
constexpr int kRowHeight = 375;

constexpr int rowTop(int row) {
    return 240 + 480 * (row - 1);
}

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

Form16::Form16() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("配偶者特別控除・住宅取得控除");
    setDesignSize(9240, 6480);
    buildEntries();
    buildPayFrame();
    buildDeductionTable();
    buildButtons();
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    connectActions();
}

void Form16::buildEntries() {
    struct Entry {
        const char* button;
        const char* caption;
        const char* box;
        int top;
        bool computes = false;
    };
    const Entry entries[] = {
        {kReadingButton, "フリガナ", kReadingBox, rowTop(1)},
        {kNameButton, "配偶者の氏名", kNameBox, rowTop(2)},
        {kIncomeButton, "配偶者の所得金額", kIncomeBox, rowTop(3)},
        {kDeductionButton, "配偶者特別控除の額", kDeductionBox, rowTop(4), true},
        {kHousingLoanButton, "住宅所得控除金額の入力", kHousingLoanBox, 4920},
    };
    for (const Entry& entry : entries) {
        QPushButton* label = addButton(entry.button, entry.caption, kCaptionLeft, entry.top,
                                       kCaptionWidth, kRowHeight);
        // The row captions empty their box; only the deduction's computes.
        if (!entry.computes) captionButton(label);
        QLineEdit* box = addText(entry.box, kBoxLeft, entry.top, kBoxWidth, kRowHeight);
        box->setText(" ");  // until cleared or loaded
    }
    for (const char* text : {kReadingBox, kNameBox})
        showsUpTo(control<QLineEdit>(text), fullWidthText(kNameLength));
    for (const char* amount : {kIncomeBox, kDeductionBox, kHousingLoanBox})
        amountBox(control<QLineEdit>(amount));
    paint(control<QLineEdit>(kDeductionBox), QPalette::Base, QColor(224, 224, 224));
}

void Form16::buildPayFrame() {
    QGroupBox* frame =
        addFrame("Frame1", "配偶者の所得が分からない時", 5400, rowTop(3) - 480, 3600, 1560);
    captionButton(
        addButton(kPayButton, "受取った給与賞与の計", 120, 300, 3360, kRowHeight, {}, frame));
    QLineEdit* pay = addText(kPayBox, 120, 300 + kRowHeight, 3360, kRowHeight, frame);
    amountBox(pay);
    pay->setText(" ");
    addButton(kIncomeFromPayButton, "計算実行", 120, 300 + 2 * kRowHeight, 3360, kRowHeight, {},
              frame);
}

// The note and the fixed picture of the rule; what the screen computes is the table of bands.
void Form16::buildDeductionTable() {
    QLabel* note = addLabel("Label1",
                            "配偶者の合計所得金額が38万円以下のとき又は76万円以上であるときは、"
                            "配偶者特別控\n除は受けられません。",
                            kCaptionLeft, 2280, 8760, 600);
    paint(note, QPalette::WindowText, Qt::red);

    // 524 × 110 pixels: a heading row and three rows of bands.
    auto* picture = new QWidget(this);
    picture->setObjectName("Picture1");
    picture->setGeometry(twipsToPixels(kCaptionLeft), twipsToPixels(3000), 524, 110);
    picture->setAutoFillBackground(true);
    paint(picture, QPalette::Window, Qt::white);
    const std::array<std::array<const char*, 2>, 4> rows = {{
        {"配偶者の合計所得金額", "控除額"},
        {"380,001円から400,000円未満", "380,000円"},
        {"400,000円から750,000円未満", "380,000円－（合計所得金額－380,000円）"},
        {"750,000円から760,000円未満", "30,000円"},
    }};
    constexpr int kLeftWidth = 200;
    constexpr int kRowPixels = 27;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < 2; ++column) {
            auto* cell = new QLabel(rows[row][column], picture);
            cell->setObjectName(QStringLiteral("Picture1Cell%1%2").arg(row + 1).arg(column + 1));
            cell->setFrameShape(QFrame::Box);
            cell->setAlignment(Qt::AlignCenter);
            const int left = column == 0 ? 0 : kLeftWidth;
            cell->setGeometry(left, 1 + static_cast<int>(row) * kRowPixels,
                              column == 0 ? kLeftWidth : 524 - kLeftWidth, kRowPixels);
        }
    }
}

void Form16::buildButtons() {
    const int top = 5640;
    addButton(kLoadButton, "DATA", kCaptionLeft, top, 1800, 600);
    addButton(kClearButton, "クリア", 2280, top, 1800, 600);
    QPushButton* save = addButton(kSaveButton, "計算実行", 4800, top, 4200, 600);
    QFont bold = save->font();
    bold.setBold(true);
    save->setFont(bold);
}

}  // namespace nencho
