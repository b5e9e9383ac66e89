// The sheet's layout: the table, the three frames, the grid of conditions and the buttons.
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "common/amount.h"
#include "records/person_file.h"
#include "yearend/ui/form5.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

using namespace form5;

namespace {

constexpr int kTableLeft = 1080;
constexpr int kTableRowHeight = 300;
constexpr int kGridTop = 3480;
constexpr int kGridRowHeight = 330;

// A number of persons as typed.
const QString kLongestCount = QStringLiteral("99");

// The table's boxes use a smaller face, so that each column shows its longest text whole.
constexpr int kTablePointSize = 9;

struct TableColumn {
    const char* TableRow::*box;
    const char* heading;
    int width;
    QString longest;  // what its boxes show at the most; the marker button shows its caption
};

const TableColumn kTableColumns[] = {
    {&TableRow::name, "氏　　　名", 1800, fullWidthText(kNameLength)},
    {&TableRow::relation, "続柄", 840, fullWidthText(kRelationLength)},
    {&TableRow::birthDate, "生年月日", 1680, kLongestEraDate},
    {&TableRow::markerButton, "老・特", 600, {}},
    {&TableRow::occupation, "職　業", 1200, fullWidthText(kOccupationLength)},
    {&TableRow::address, "住　所", 2820, fullWidthText(kAddressLineLength)},
    {&TableRow::annualIncome, "年間所得", 1200, QString::fromStdString(formatAmount(-99999999))},
    {&TableRow::other, "その他", 1200, fullWidthText(kOtherLength)},
};

// A grid cell that takes no mark: struck through with a line.
class StruckCell : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawLine(rect().bottomLeft(), rect().topRight());
    }
};

// The grid's columns: heading, person, spouse, dependants (typed), total.
constexpr int kGridColumnLeft[] = {120, 2520, 3420, 4320, 5520};
constexpr int kGridColumnWidth[] = {2400, 900, 900, 1200, 1200};

QString vertical(const QString& text) {
    QStringList characters;
    for (const QChar c : text)
        if (c != QChar(0x3000)) characters << QString(c);
    return characters.join('\n');
}

}  // namespace

void Form5::buildTable() {
    addButton(kTableClearButton, "クリア", 120, 120, 900, kTableRowHeight);
    captionButton(addButton(kSpouseRowResetButton, "配偶者", 120, 420, 900, kTableRowHeight));
    QLabel* family = addLabel("FamilyHeading", vertical("扶　養　家　族"), 120, 720, 900,
                              kTableRowHeight * kDependantRows);
    family->setAlignment(Qt::AlignCenter);
    int left = kTableLeft;
    int column = 0;
    for (const TableColumn& c : kTableColumns) {
        QLabel* heading = addLabel(QStringLiteral("TableHeading%1").arg(++column), c.heading, left,
                                   120, c.width, kTableRowHeight);
        heading->setAlignment(Qt::AlignCenter);
        auto addCell = [&](const TableRow& row, int top) {
            if (c.box == &TableRow::markerButton) {
                addButton(row.*c.box, "", left, top, c.width, kTableRowHeight);
                return;
            }
            QLineEdit* box = addText(row.*c.box, left, top, c.width, kTableRowHeight);
            QFont font = box->font();
            font.setPointSize(kTablePointSize);
            box->setFont(font);
            showsUpTo(box, c.longest);
        };
        addCell(kSpouseRow, 420);
        for (int i = 0; i < kDependantRows; ++i)
            addCell(kDependantTableRows[i], 720 + kTableRowHeight * i);
        left += c.width;
    }
    for (const TableRow& row : kDependantTableRows) addHiddenText(row.marker);
    addHiddenText(kSpouseRow.marker);
}

void Form5::buildFrames() {
    QWidget* own = addFrame("Frame1", "本人の条件", 120, 2400, 2400, 900);
    addText(kOwnConditionBox, 120, 360, 2160, 360, own)->setReadOnly(true);
    QWidget* spouse = addFrame("Frame2", "配偶者の条件", 2640, 2400, 2400, 900);
    addButton(kSpouseConditionButton, "条件変更", 120, 360, 2160, 360, {}, spouse);
    QWidget* count = addFrame("Frame3", "扶養家族の人数合計", 5160, 2400, 7260, 900);
    addButton(kCountUpButton, "1人", 120, 360, 600, 360, {}, count);
    QLineEdit* persons = addText(kDependantsCountBox, 780, 360, 700, 360, count);
    persons->setAlignment(Qt::AlignRight);
    showsUpTo(persons, kLongestCount);
    addButton(kCountClearButton, "c", 1540, 360, 400, 360, {}, count);
    addLabel(kSpouseNote, "対象となる配偶者も合計人数に含めて下さい。", 2040, 360, 4060, 360,
             count);
}

void Form5::buildGrid() {
    const char* headings[] = {"扶養家族の条件", "本人", "配偶者"};
    for (int column = 0; column < 3; ++column) {
        QLabel* label =
            addLabel(QStringLiteral("GridHeading%1").arg(column + 1), headings[column],
                     kGridColumnLeft[column], kGridTop, kGridColumnWidth[column], kGridRowHeight);
        label->setAlignment(Qt::AlignCenter);
    }
    // The headings of the typed counts and of the totals: they empty their column.
    captionButton(addButton(kTypedCountsResetButton, "　扶養　家族", kGridColumnLeft[3], kGridTop,
                            kGridColumnWidth[3], kGridRowHeight));
    captionButton(addButton(kTotalsResetButton, "合計", kGridColumnLeft[4], kGridTop,
                            kGridColumnWidth[4], kGridRowHeight));
    for (int index = 0; index < static_cast<int>(kGridRows.size()); ++index)
        buildGridRow(index, kGridTop + kGridRowHeight * (index + 1));
    const int bottom = kGridTop + kGridRowHeight * 7 + 60;
    addLabel("GrandTotalCaption", "総合計（本人も１人として計算）", 120, bottom, 5400,
             kGridRowHeight)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* grand =
        addText(kGrandTotalBox, kGridColumnLeft[4], bottom, kGridColumnWidth[4], kGridRowHeight);
    grand->setReadOnly(true);
    grand->setAlignment(Qt::AlignRight);
}

void Form5::buildGridRow(int index, int top) {
    const GridRow& row = kGridRows[static_cast<std::size_t>(index)];
    QLabel* heading = addLabel(QStringLiteral("GridRowHeading%1").arg(index + 1), row.heading,
                               kGridColumnLeft[0], top, kGridColumnWidth[0], kGridRowHeight);
    if (index == static_cast<int>(ConditionRow::ElderlyDependant))
        heading->setToolTip("７０歳以上（昭和７年１月１日以前生まれ）");
    if (index == static_cast<int>(ConditionRow::SpecificDependant))
        heading->setToolTip("昭和５４年１月２日から昭和６１年１月１日までの間の生まれ");
    const GridMark* marks[] = {row.person, row.spouse};
    for (int column = 1; column <= 2; ++column) {
        const GridMark* mark = marks[column - 1];
        if (mark) {
            addButton(mark->button, "", kGridColumnLeft[column], top, kGridColumnWidth[column],
                      kGridRowHeight);
            addHiddenText(mark->flag);
            addHiddenText(mark->counter);
        } else {
            auto* cell = new StruckCell;
            cell->setParent(this);
            cell->setGeometry(twipsToPixels(kGridColumnLeft[column]), twipsToPixels(top),
                              twipsToPixels(kGridColumnWidth[column]),
                              twipsToPixels(kGridRowHeight));
        }
    }
    if (row.restoreFlag) addHiddenText(row.restoreFlag);
    QLineEdit* typed =
        addText(row.typedCount, kGridColumnLeft[3], top, kGridColumnWidth[3], kGridRowHeight);
    typed->setAlignment(Qt::AlignRight);
    showsUpTo(typed, kLongestCount);
    QLineEdit* total =
        addText(row.total, kGridColumnLeft[4], top, kGridColumnWidth[4], kGridRowHeight);
    total->setReadOnly(true);
    total->setAlignment(Qt::AlignRight);
}

void Form5::buildRightColumn() {
    // Two columns of buttons, their right edge under the table's.
    constexpr int kLeft = 8240;
    constexpr int kRight = 10440;
    addButton(kReferenceButton, "扶養控除の参照", kLeft, kGridTop, 2000, 420);
    addButton(kEndButton, "END", kRight, kGridTop, 1980, 420);
    addButton(kImportButton, "前年度データ取込", kLeft, kGridTop + 540, 2000, 420);
    addButton(kLoadButton, "データ呼出", kRight, kGridTop + 540, 1980, 420);
    addButton(kClearButton, "クリア", kLeft, kGridTop + 1080, 4180, 420);
    captionButton(addButton(kTotalCaptionButton, kTotalCaption, kLeft, kGridTop + 1620, 2000, 420));
    addText(kTotalBox, kRight, kGridTop + 1620, 1980, 420)->setReadOnly(true);
    addButton(kComputeButton, "計算実行", kLeft, kGridTop + 2160, 4180, 540);
}

void Form5::buildHiddenControls() {
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    addHiddenText(kSharedCounter);
    addHiddenButton(kOwnConditionsButton, "表示");
    addHiddenButton(kSpouseResetButton, "配偶者");
    // The eight options are one group: switching one on switches the other seven off.
    const std::pair<const char*, const char*> options[] = {
        {kDisabledWidowStudentOption, "障害・寡婦学生等"},
        {kSpeciallyDisabledOption, "特別障害者"},
        {kSpecialWidowOption, "特別寡婦"},
        {kElderlyOption, "老年者"},
        {kSpouseOptions[0], "障害・学生"},
        {kSpouseOptions[1], "特別障害者"},
        {kSpouseOptions[2], "同居特別障害者"},
        {kSpouseOptions[3], "老人扶養"},
    };
    for (const auto& [name, caption] : options) addOption(name, caption, 0, 0, 1500, 300)->hide();
}

}  // namespace nencho
