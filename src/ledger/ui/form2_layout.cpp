// The ledger grid: columns at fixed twips positions, one 360-twip line per row.
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>

#include "ledger/ledger_grid.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"

namespace nencho {

using namespace form2;

namespace {

constexpr int kRowHeight = 360;
constexpr int kHeadingTop = 120;

// Left edge and width of each grid column.
struct GridColumn {
    int left;
    int width;
};
constexpr GridColumn kMonthColumn{120, 375};
constexpr GridColumn kDayColumn{480, 375};
constexpr GridColumn kPayColumn{840, 1215};
constexpr GridColumn kButtonColumn{2040, 855};
constexpr GridColumn kInsuranceColumn{2880, 1095};
constexpr GridColumn kAfterColumn{3960, 1215};
constexpr GridColumn kDependantsColumn{5160, 375};
constexpr GridColumn kTaxColumn{5520, 1095};
constexpr GridColumn kOverUnderColumn{6600, 1095};
constexpr GridColumn kTaxAgainColumn{7680, 1095};
constexpr GridColumn kRowClearColumn{8760, 375};
constexpr GridColumn kPayStatementColumn{9120, 855};
constexpr int kTotalLabelWidth = 735;

constexpr int monthTop(int month) {
    return 480 + kRowHeight * (month - 1);
}
constexpr int bonusTop(int bonus) {
    return 5160 + kRowHeight * (bonus - 1);
}
constexpr int totalTop(int row) {
    return row == kMonthTotalRow ? 4800 : row == kBonusTotalRow ? 6240 : 6600;
}

const QColor kComputedColour(224, 224, 224);
const QColor kTotalColour(192, 255, 255);

constexpr qreal kNarrowPointSize = 8;
// The amounts' face: the longest amount fits the narrowest amount column.
constexpr qreal kAmountPointSize = 8.25;
constexpr qreal kSmallestPointSize = 4;
constexpr qreal kPointSizeStep = 0.5;
// How far a face is narrowed before it is made smaller, in percent of its width.
constexpr int kNarrowestStretch = 60;
constexpr int kStretchStep = 5;
// A line edit keeps two pixels beside its text on each side, and one for the cursor.
constexpr int kLineEditTextMargins = 2 * 2 + 1;

// The one-character-wide columns: day, month and number of dependants.
QLineEdit* amount(QLineEdit* box) {
    QFont small = box->font();
    small.setPointSizeF(kAmountPointSize);
    box->setFont(small);
    return Screen::amountBox(box);
}

QLineEdit* narrow(QLineEdit* box) {
    QFont small = box->font();
    small.setPointSizeF(kNarrowPointSize);
    box->setFont(small);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

// The width a line edit shows its text in.
qreal textRoom(const QLineEdit* box) {
    int room = box->width() - kLineEditTextMargins;
    if (box->hasFrame())
        room -= 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const QMargins margins = box->textMargins();
    return room - margins.left() - margins.right();
}

bool fits(const QFont& font, const QLineEdit* box) {
    return QFontMetricsF(font).horizontalAdvance(box->text()) <= textRoom(box);
}

// The narrow face; where the text would not fit whole, the face narrowed, then made smaller.
void fitTextWhole(QLineEdit* box) {
    QFont font = box->font();
    font.setPointSizeF(kNarrowPointSize);
    font.setStretch(QFont::Unstretched);
    for (int stretch = QFont::Unstretched; !fits(font, box) && stretch > kNarrowestStretch;) {
        stretch -= kStretchStep;
        font.setStretch(stretch);
    }
    for (qreal size = kNarrowPointSize; !fits(font, box) && size > kSmallestPointSize;) {
        size -= kPointSizeStep;
        font.setPointSizeF(size);
    }
    box->setFont(font);
}

// A day box holds free text such as "末日", "25日" or "10,25". A text wider than the box would
// scroll to its end and show "5日" or "),25", which reads as another date; it is shown whole in
// a narrower or smaller face instead.
QLineEdit* dayBox(QLineEdit* box) {
    narrow(box);
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { fitTextWhole(box); });
    return box;
}

void paint(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

}  // namespace

QLineEdit* Form2::addGridBox(int number, int left, int top, int width) {
    QLineEdit* box = addText(boxName(number), left, top, width, kRowHeight);
    box->setFocusPolicy(Qt::ClickFocus);
    const auto index = static_cast<std::size_t>(number);
    if (index >= gridBoxes_.size()) gridBoxes_.resize(index + 1, nullptr);
    gridBoxes_[index] = box;
    return box;
}

void Form2::buildHeadings() {
    struct Heading {
        int number;
        GridColumn column;
        const char* caption;
    };
    const Heading headings[] = {
        {1, kMonthColumn, "月"},
        {3, kPayColumn, "給与支給額"},
        {4, kInsuranceColumn, "社会保険料"},
        {5, kAfterColumn, "社保控除後"},
        {6, kDependantsColumn, "人"},
        {7, kTaxColumn, "源泉所得税額"},
        {8, kOverUnderColumn, "年調過不足"},
        {9, kTaxAgainColumn, "源泉所得税額"},
    };
    QFont headingFont = font();
    headingFont.setPointSize(8);  // "源泉所得税額" fits its column
    for (const Heading& h : headings) {
        QLineEdit* box = addGridBox(h.number, h.column.left, kHeadingTop, h.column.width);
        box->setFont(headingFont);
        box->setText(h.caption);
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
    }
    addButton(kPayDayPresetButton, "日", kDayColumn.left, kHeadingTop, kDayColumn.width, kRowHeight)
        ->setFocusPolicy(Qt::ClickFocus);
}

namespace {

// The boxes from pay to tax again of one row, at the columns' places.
struct RowBoxPlaces {
    int box;
    GridColumn column;
};

std::vector<RowBoxPlaces> amountPlaces(const LedgerRowBoxes& b) {
    return {{b.pay, kPayColumn},
            {b.insurance, kInsuranceColumn},
            {b.afterInsurance, kAfterColumn},
            {b.dependants, kDependantsColumn},
            {b.tax, kTaxColumn},
            {b.overUnder, kOverUnderColumn},
            {b.taxAgain, kTaxAgainColumn}};
}

}  // namespace

// The pay, social insurance, after it, dependants, tax, over/under and tax-again boxes of a row;
// all but the pay are computed and shown in the computed colour.
void Form2::addAmountBoxes(const LedgerRowBoxes& boxes, int top) {
    for (const auto& [number, column] : amountPlaces(boxes)) {
        QLineEdit* box = addGridBox(number, column.left, top, column.width);
        if (number == boxes.dependants) {
            box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            narrow(box);
        } else {
            amount(box);
        }
        if (number != boxes.pay) paint(box, kComputedColour);
        // The tax again only repeats the tax: nothing reads it back, and it takes no typing.
        if (number == boxes.taxAgain) box->setReadOnly(true);
    }
}

void Form2::buildMonthRow(int month) {
    const int top = monthTop(month);
    const QString caption = QString::number(month);
    addButton(copyButton(month), caption, kMonthColumn.left, top, kMonthColumn.width, kRowHeight);
    const LedgerRowBoxes boxes = ledgerRowBoxes(month);
    dayBox(addGridBox(boxes.date, kDayColumn.left, top, kDayColumn.width));
    addAmountBoxes(boxes, top);
    addButton(monthComputeButton(month), "計算実行", kButtonColumn.left, top, kButtonColumn.width,
              kRowHeight);
    addButton(rowClearButton(month), caption, kRowClearColumn.left, top, kRowClearColumn.width,
              kRowHeight);
    addButton(payStatementButton(month), "給与明細", kPayStatementColumn.left, top,
              kPayStatementColumn.width, kRowHeight);
}

void Form2::buildBonusRow(int bonus) {
    const int top = bonusTop(bonus);
    const LedgerRowBoxes boxes = ledgerRowBoxes(bonusRow(bonus));
    dayBox(addGridBox(boxes.bonusMonth, kMonthColumn.left, top, kMonthColumn.width));
    dayBox(addGridBox(boxes.date, kDayColumn.left, top, kDayColumn.width));
    addAmountBoxes(boxes, top);
    addButton(bonusComputeButton(bonus), "計算実行", kButtonColumn.left, top, kButtonColumn.width,
              kRowHeight);
}

void Form2::buildTotalRow(int row, const char* labelBox, const char* caption) {
    const int top = totalTop(row);
    QLineEdit* label = addText(labelBox, kMonthColumn.left, top, kTotalLabelWidth, kRowHeight);
    label->setText(caption);
    label->setReadOnly(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFocusPolicy(Qt::ClickFocus);
    const LedgerRowBoxes boxes = ledgerRowBoxes(row);
    for (const auto& [number, column] : amountPlaces(boxes)) {
        QLineEdit* box = addGridBox(number, column.left, top, column.width);
        if (number == boxes.dependants)
            box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        else
            amount(box);
        paint(box, kTotalColour);
        // The totals take no typing; the boxes no action fills stay free.
        if (number != boxes.dependants && number != boxes.overUnder) box->setReadOnly(true);
    }
}

void Form2::buildOtherControls() {
    const int width = 1560;
    addButton(kLoadButton, "データ呼出", 8880, 5160, width, kRowHeight);
    addButton(kDisplayClearButton, "データ表示クリア", 8880, 5520, width, kRowHeight);
    addButton(kDeleteButton, "データ削除", 8880, 6000, width, kRowHeight);
    addButton(kEndButton, "END", 9480, 6720, 960, kRowHeight);
    // The totals and the save sit hidden in the button column of the total rows.
    addHiddenButton(kMonthTotalsButton, "計算実行");
    addHiddenButton(kBonusTotalsButton, "計算実行");
    addHiddenButton(kSaveButton, "登録実行");
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    addHiddenText(kPresetCounterBox);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setFocusPolicy(Qt::ClickFocus);
}

// Tab visits only the fifteen pay boxes, months first, then the bonuses.
void Form2::setFocusOrder() {
    keepOwnTabOrder();
    QWidget* previous = nullptr;
    for (int row = 1; row <= kLedgerRows; ++row) {
        if (row == kMonthTotalRow || row >= kBonusTotalRow) continue;
        QLineEdit* pay = gridBox(ledgerRowBoxes(row).pay);
        pay->setFocusPolicy(Qt::StrongFocus);
        if (previous) setTabOrder(previous, pay);
        previous = pay;
    }
}

}  // namespace nencho
