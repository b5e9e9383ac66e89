// The summary table's layout: the grid of 18 ledger rows under its heading, the two half-year
// blocks to its right, the balance block below them and the company name above.
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <array>
#include <stdexcept>
#include <tuple>

#include "records/company_file.h"
#include "summary/ui/form13.h"
#include "summary/ui/form13_controls.h"
#include "summary/ui/form13_grid.h"

namespace nencho {

using namespace form13;

namespace {

constexpr int kRowHeight = 360;
constexpr int kHeadingTop = 600;
constexpr int kMonthLeft = 120;
constexpr int kMonthWidth = 375;
constexpr int kDayLeft = kMonthLeft + kMonthWidth;
constexpr int kDayWidth = 375;
constexpr int kPayLeft = kDayLeft + kDayWidth;
constexpr int kPayWidth = 1335;
constexpr int kTaxLeft = kPayLeft + kPayWidth;
constexpr int kTaxWidth = 1260;
constexpr int kHalfPayLeft = kTaxLeft + kTaxWidth + 120;
constexpr int kHalfTaxLeft = kHalfPayLeft + kPayWidth;
constexpr int kBlockRight = kHalfTaxLeft + kTaxWidth;
constexpr int kBalanceWidth = 1695;
constexpr int kBalanceLeft = kBlockRight - kBalanceWidth;
constexpr int kPersonsWidth = 720;
constexpr int kCompanyNameWidth = 3255;
constexpr int kClientWidth = 6405;
constexpr int kClientHeight = 7665;

// Smaller than the screen's face, so that the longest amount fits its cell.
constexpr double kAmountPointSize = 9.75;
constexpr double kMonthDayPointSize = 9.75;
// A little smaller, so that "源泉所得税額" fits its 1215-twip cell inside the box's frame.
constexpr double kCaptionPointSize = 9.0;

const QColor kLightGrey(224, 224, 224);
const QColor kLightOrange(255, 224, 192);
const QColor kLightCyan(192, 255, 255);
const QColor kLightGreen(192, 255, 192);

// Row 0 is the heading.
constexpr int rowTop(int ledgerRow) {
    return kHeadingTop + kRowHeight * ledgerRow;
}

bool isTotalRow(int ledgerRow) {
    return ledgerRow == kMonthTotalRow || ledgerRow == kBonusTotalRow ||
           ledgerRow == kGrandTotalRow;
}

const QColor& rowColour(int ledgerRow) {
    if (isTotalRow(ledgerRow)) return kLightCyan;
    if (ledgerRow >= 7 && ledgerRow <= kLastMonthRow) return kLightOrange;
    return kLightGrey;  // months 1 to 6 and the bonuses
}

const std::array<GridRow, kLedgerRows + 1> kGridRows = {{
    {nullptr, nullptr, nullptr, nullptr},         {"Text37", "Text11", "Text12", "Text16"},
    {"Text36", "Text20", "Text21", "Text25"},     {"Text35", "Text29", "Text30", "Text34"},
    {"Text33", "Text38", "Text39", "Text43"},     {"Text32", "Text47", "Text48", "Text52"},
    {"Text31", "Text56", "Text57", "Text61"},     {"Text28", "Text65", "Text66", "Text70"},
    {"Text27", "Text74", "Text75", "Text79"},     {"Text26", "Text83", "Text84", "Text88"},
    {"Text24", "Text92", "Text93", "Text97"},     {"Text23", "Text101", "Text102", "Text106"},
    {"Text22", "Text110", "Text111", "Text115"},  {"Text118", nullptr, "Text120", "Text124"},
    {"Text127", "Text128", "Text129", "Text133"}, {"Text136", "Text137", "Text138", "Text142"},
    {"Text145", "Text146", "Text147", "Text151"}, {"Text119", nullptr, "Text154", "Text158"},
    {"Text163", nullptr, "Text165", "Text169"},
}};

QString monthCaption(int ledgerRow) {
    if (ledgerRow <= kLastMonthRow) return QString::number(ledgerRow);
    if (ledgerRow == kGrandTotalRow) return QStringLiteral("総  計");
    if (isTotalRow(ledgerRow)) return QStringLiteral("合  計");
    return {};  // the bonus rows' month and day stay empty
}

void paint(QWidget* widget, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setPointSize(QWidget* widget, double pointSize) {
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    widget->setFont(font);
}

QLineEdit* amountCell(QLineEdit* cell) {
    setPointSize(cell, kAmountPointSize);
    return Screen::amountBox(cell);
}

}  // namespace

namespace form13 {

const GridRow& gridRow(int ledgerRow) {
    if (ledgerRow < 1) throw std::out_of_range("no summary row");
    return kGridRows.at(static_cast<std::size_t>(ledgerRow));
}

}  // namespace form13

QLineEdit* Form13::addCell(const char* name, int left, int top, int width, const char* caption) {
    QLineEdit* cell = addText(name, left, top, width, kRowHeight);
    cell->setText(QString::fromUtf8(caption));
    cell->setReadOnly(true);  // the table only shows what its run computed
    if (*caption) {
        cell->setAlignment(Qt::AlignCenter);
        setPointSize(cell, kCaptionPointSize);
    } else {
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return cell;
}

void Form13::buildGrid() {
    setDesignSize(kClientWidth, kClientHeight);
    QLineEdit* name =
        addCell(kCompanyNameBox, (kClientWidth - kCompanyNameWidth) / 2, 120, kCompanyNameWidth);
    name->setAlignment(Qt::AlignCenter);
    showsUpTo(name, fullWidthText(kCompanyNameLength));
    paint(name, kLightCyan);
    for (auto [name, left, width, caption] :
         {std::tuple{"Text1", kMonthLeft, kMonthWidth, "月"},
          std::tuple{"Text2", kDayLeft, kDayWidth, "日"},
          std::tuple{"Text3", kPayLeft, kPayWidth, "給与支給額"},
          std::tuple{"Text7", kTaxLeft, kTaxWidth, "源泉所得税額"}}) {
        paint(addCell(name, left, rowTop(0), width, caption), kLightGrey);
    }
    for (int row = 1; row <= kLedgerRows; ++row) {
        const GridRow& boxes = gridRow(row);
        const int top = rowTop(row);
        const int monthWidth = boxes.dayBox ? kMonthWidth : kMonthWidth + kDayWidth;
        QLineEdit* month = addCell(boxes.monthBox, kMonthLeft, top, monthWidth);
        month->setText(monthCaption(row));
        month->setAlignment(Qt::AlignCenter);
        setPointSize(month, kMonthDayPointSize);
        paint(month, rowColour(row));
        if (boxes.dayBox) {
            QLineEdit* day = addCell(boxes.dayBox, kDayLeft, top, kDayWidth);
            day->setAlignment(Qt::AlignCenter);
            setPointSize(day, kMonthDayPointSize);
            paint(day, rowColour(row));
        }
        paint(amountCell(addCell(boxes.payBox, kPayLeft, top, kPayWidth)), rowColour(row));
        paint(amountCell(addCell(boxes.taxBox, kTaxLeft, top, kTaxWidth)), rowColour(row));
    }
}

void Form13::buildHalfYearBlocks() {
    struct Block {
        int captionRow;
        const char* captionBox;
        const char* caption;
        const char* payCaptionBox;
        const char* taxCaptionBox;
        const char* payBox;
        const char* taxBox;
        QColor colour;
    };
    const Block blocks[] = {{4, "Text18", "１月から６月までの計", "Text14", "Text13",
                             kFirstHalfPayBox, kFirstHalfTaxBox, kLightGrey},
                            {10, "Text19", "７月から１２月までの計", "Text17", "Text15",
                             kSecondHalfPayBox, kSecondHalfTaxBox, kLightOrange}};
    for (const Block& block : blocks) {
        const int top = rowTop(block.captionRow);
        paint(addCell(block.captionBox, kHalfPayLeft, top, kPayWidth + kTaxWidth, block.caption),
              block.colour);
        paint(addCell(block.payCaptionBox, kHalfPayLeft, top + kRowHeight, kPayWidth, "給与支給額"),
              block.colour);
        paint(
            addCell(block.taxCaptionBox, kHalfTaxLeft, top + kRowHeight, kTaxWidth, "源泉所得税額"),
            block.colour);
        paint(amountCell(addCell(block.payBox, kHalfPayLeft, top + 2 * kRowHeight, kPayWidth)),
              block.colour);
        paint(amountCell(addCell(block.taxBox, kHalfTaxLeft, top + 2 * kRowHeight, kTaxWidth)),
              block.colour);
    }
}

void Form13::buildBalanceBlock() {
    paint(addCell("Text40", kBalanceLeft, rowTop(bonusRow(2)), kBalanceWidth, "年末調整の超過"),
          kLightGreen);
    paint(addCell("Text42", kBalanceLeft, rowTop(bonusRow(3)), kBalanceWidth, "・不足の合計額"),
          kLightGreen);
    paint(
        amountCell(addCell(kBalanceTotalBox, kBalanceLeft, rowTop(kBonusTotalRow), kBalanceWidth)),
        kLightGreen);
    QLabel* persons = addLabel(kBalancePersonsLabel, "", kBalanceLeft, rowTop(kGrandTotalRow),
                               kPersonsWidth, kRowHeight);
    persons->setAlignment(Qt::AlignCenter);
    setPointSize(persons, kMonthDayPointSize);
    paint(persons, kLightGreen);
    const int endLeft = kBalanceLeft + kPersonsWidth;
    addButton(kEndButton, "END", endLeft, rowTop(kGrandTotalRow), kBlockRight - endLeft,
              kRowHeight);
}

}  // namespace nencho
