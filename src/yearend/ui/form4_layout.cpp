// The insurance screen's two framed grids, the entry strip and the buttons.
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <string_view>

#include "records/person_file.h"
#include "yearend/insurance_file.h"
#include "yearend/ui/form4.h"
#include "yearend/ui/form4_boxes.h"
#include "yearend/ui/form4_controls.h"

namespace nencho {

using namespace form4;

namespace {

constexpr int kRowHeight = 330;
constexpr int kFrameLeft = 120;
constexpr int kFrameWidth = 12000;
constexpr int kGridLeft = 120;
constexpr int kGridTop = 300;

constexpr int rowTop(int row) {
    return kGridTop + kRowHeight * row;
}

// Column widths, left to right, of the life table and of the casualty table.
constexpr std::array<int, 7> kLifeWidths = {2640, 1320, 960, 1680, 1680, 840, 1560};
constexpr std::array<int, 8> kCasualtyWidths = {1920, 1170, 840, 1560, 1560, 810, 1260, 1560};

// The policies' boxes take a smaller face, so that each column shows its longest text whole.
constexpr int kPolicyPointSize = 9;

// A policy's text box, in the policies' face, declaring its longest text.
QLineEdit* policyText(QLineEdit* box, const QString& longest) {
    QFont font = box->font();
    font.setPointSize(kPolicyPointSize);
    box->setFont(font);
    Screen::showsUpTo(box, longest);
    return box;
}

// The longest text of each column of a policy row, left to right, the amount aside.
QString longestPolicyText(std::size_t column, bool casualty) {
    switch (column) {
        case 0:
            return fullWidthText(kInsurerLength);
        case 1:
            return fullWidthText(kPolicyKindLength);
        case 2:
            return fullWidthText(kPolicyPeriodLength);
        case 3:
        case 4:
            return fullWidthText(kNameLength);
        case 5:
            return fullWidthText(kRelationLength);
        default:
            return casualty ? QString(kLongestMaturity) : QString();
    }
}

template <std::size_t N>
constexpr int columnLeft(const std::array<int, N>& widths, std::size_t column) {
    int left = kGridLeft;
    for (std::size_t index = 0; index < column; ++index) left += widths[index];
    return left;
}

const QColor kGrey(224, 224, 224);

void paintGrey(QLineEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kGrey);
    box->setPalette(palette);
}

// A box only the screen's actions fill: Tab passes it by and it takes no typing.
QLineEdit* computed(QLineEdit* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QLabel* centred(QLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    return label;
}

}  // namespace

QLineEdit* Form4::addNumberedBox(int number, int left, int top, int width, int height,
                                 QWidget* parent) {
    QLineEdit* made = addText(box(number), left, top, width, height, parent);
    const auto index = static_cast<std::size_t>(number);
    if (index >= boxes_.size()) boxes_.resize(index + 1, nullptr);
    boxes_[index] = made;
    return made;
}

QLineEdit* Form4::numberedBox(int number) const {
    const auto index = static_cast<std::size_t>(number);
    if (number >= 0 && index < boxes_.size() && boxes_[index]) return boxes_[index];
    return control<QLineEdit>(box(number));
}

void Form4::buildLifeFrame() {
    QGroupBox* frame =
        addFrame("Frame1", "生命保険控除", kFrameLeft, 120, kFrameWidth, rowTop(9) + 120);
    const std::pair<int, const char*> headings[] = {
        {1, "生命保険会社等"}, {2, "種　　類"}, {4, "期間"},     {3, "契　約　者"},
        {5, "受　取　人"},     {6, "続柄"},     {7, "支払金額"},
    };
    for (std::size_t column = 0; column < std::size(headings); ++column) {
        QLineEdit* heading = addNumberedBox(headings[column].first, columnLeft(kLifeWidths, column),
                                            rowTop(0), kLifeWidths[column], kRowHeight, frame);
        heading->setText(headings[column].second);
        heading->setReadOnly(true);
        heading->setFocusPolicy(Qt::NoFocus);
        heading->setAlignment(Qt::AlignCenter);
        paintGrey(heading);
    }
    auto addRow = [&](const LifeRowBoxes& row, int top) {
        const int numbers[] = {row.insurer,     row.kind,     row.period, row.holder,
                               row.beneficiary, row.relation, row.amount};
        for (std::size_t column = 0; column < std::size(numbers); ++column) {
            QLineEdit* entry = addNumberedBox(numbers[column], columnLeft(kLifeWidths, column), top,
                                              kLifeWidths[column], kRowHeight, frame);
            if (column + 1 == std::size(numbers))
                amountBox(entry);
            else
                policyText(entry, longestPolicyText(column, false));
        }
    };
    auto addResult = [&](const char* name, const char* caption, int number, int row, bool grey) {
        centred(addLabel(name, caption, columnLeft(kLifeWidths, 3), rowTop(row),
                         kLifeWidths[3] + kLifeWidths[4] + kLifeWidths[5], kRowHeight, frame));
        QLineEdit* result = addNumberedBox(number, columnLeft(kLifeWidths, 6), rowTop(row),
                                           kLifeWidths[6], kRowHeight, frame);
        computed(amountBox(result));
        if (grey) paintGrey(result);
    };
    for (std::size_t index = 0; index < kLifeRows.size(); ++index)
        addRow(kLifeRows[index], rowTop(1 + static_cast<int>(index)));
    addResult("LifeTotalCaption", "生命保険合計", kLifeTotalBox, 4, true);
    for (std::size_t index = 0; index < kPensionRows.size(); ++index)
        addRow(kPensionRows[index], rowTop(5 + static_cast<int>(index)));
    addResult("PensionTotalCaption", "年金保険合計", kPensionTotalBox, 7, true);
    addResult("LifeDeductionCaption", "生命保険料控除額", kLifeDeductionBox, 8, false);
}

void Form4::buildCasualtyFrame() {
    const int frameTop = 120 + rowTop(9) + 120 + 120;
    QGroupBox* frame =
        addFrame("Frame2", "損害保険控除", kFrameLeft, frameTop, kFrameWidth, rowTop(6) + 120);
    const char* const headings[] = {"保険会社等", "種　　類", "期間", "契　約　者",
                                    "居住者等",   "続柄",     "満期", "保　険　料"};
    for (std::size_t column = 0; column < std::size(headings); ++column)
        centred(addLabel(QStringLiteral("CasualtyHeading%1").arg(column + 1), headings[column],
                         columnLeft(kCasualtyWidths, column), rowTop(0), kCasualtyWidths[column],
                         kRowHeight, frame));
    for (std::size_t index = 0; index < kCasualtyRows.size(); ++index) {
        const CasualtyRowBoxes& row = kCasualtyRows[index];
        const int numbers[] = {row.insurer,  row.kind,     row.period,   row.holder,
                               row.resident, row.relation, row.maturity, row.premium};
        for (std::size_t column = 0; column < std::size(numbers); ++column) {
            QLineEdit* entry = addNumberedBox(numbers[column], columnLeft(kCasualtyWidths, column),
                                              rowTop(1 + static_cast<int>(index)),
                                              kCasualtyWidths[column], kRowHeight, frame);
            if (column + 1 == std::size(numbers))
                amountBox(entry);
            else
                policyText(entry, longestPolicyText(column, true));
        }
    }
    const std::tuple<const char*, const char*, int> results[] = {
        {"LongTermCaption", "長期保険料", kLongTermBox},
        {"ShortTermCaption", "短期保険料", kShortTermBox},
        {"CasualtyDeductionCaption", "損保控除額", kCasualtyDeductionBox},
    };
    int row = 3;
    for (const auto& [name, caption, number] : results) {
        centred(addLabel(name, caption, columnLeft(kCasualtyWidths, 4), rowTop(row),
                         kCasualtyWidths[4] + kCasualtyWidths[5] + kCasualtyWidths[6], kRowHeight,
                         frame));
        QLineEdit* result =
            amountBox(addNumberedBox(number, columnLeft(kCasualtyWidths, 7), rowTop(row),
                                     kCasualtyWidths[7], kRowHeight, frame));
        if (number == kCasualtyDeductionBox) computed(result);
        ++row;
    }
}

void Form4::buildEntryStrip() {
    const int top = 6480;
    const std::tuple<const char*, const char*, int> entries[] = {
        {kLedgerInsuranceButton, "給与控除社保料呼出", kLedgerInsuranceBoxNumber},
        {kDeclaredSocialInsuranceButton, "申告社会保険料等", kDeclaredSocialInsuranceBox},
        {kMutualAidButton, "小規模共済掛金", kMutualAidBox},
    };
    int left = 240;
    int index = 0;
    for (const auto& [button, caption, number] : entries) {
        QPushButton* label = addButton(button, caption, left, top, 2160, 375);
        // The two that only empty their box are its captions; the first fetches a value.
        if (button != std::string_view(kLedgerInsuranceButton)) captionButton(label);
        QLineEdit* entry = amountBox(addNumberedBox(number, left + 2160, top, 1320, 375));
        if (number == kLedgerInsuranceBoxNumber) computed(entry);  // filled from the ledger
        addLabel(QStringLiteral("YenCaption%1").arg(++index), "円", left + 3540, top, 300, 375);
        left += 3960;
    }
}

void Form4::buildButtons() {
    const int top = 7200;
    addButton(kLoadButton, "データ呼出", 240, top, 1800, 600);
    addButton(kClearButton, "クリア", 2160, top, 1800, 600);
    QPushButton* compute = addButton(kComputeButton, "計　算　実　行", 4320, top, 4200, 600);
    QFont bold = compute->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    compute->setFont(bold);
    addButton(kEndButton, "END", 10560, top, 1440, 600);
}

}  // namespace nencho
