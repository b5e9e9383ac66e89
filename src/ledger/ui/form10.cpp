#include "ledger/ui/form10.h"

#include <QFont>
#include <QLineEdit>

#include "ledger/ui/form10_controls.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/screens.h"

namespace nencho {

namespace {

constexpr int kRowHeight = 360;
constexpr int kTop = 240;
constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 1560;
constexpr int kAmountLeft = 1800;
constexpr int kAmountWidth = 1800;

// The caption box of each row, top to bottom, beside the row's amount box.
struct Row {
    const char* captionBox;
    const char* caption;
};
constexpr Row kRows[form10::kAmountRows] = {
    {"Text8", "支　給　額"},  {"Text9", "健康保険料"},  {"Text10", "厚生年金"},
    {"Text11", "雇用保険料"}, {"Text12", "源泉所得税"}, {"Text13", "小　　　計"},
    {"Text14", "手　取　額"},
};

QLineEdit* shownOnly(QLineEdit* box, Qt::Alignment alignment) {
    box->setReadOnly(true);
    box->setAlignment(alignment | Qt::AlignVCenter);
    return box;
}

}  // namespace

Form10::Form10() : Screen(form10::kForm) {
    setWindowTitle("給与明細書");
    setDesignSize(3840, 3840);
    int top = kTop;
    for (int row = 1; row <= form10::kAmountRows; ++row) {
        shownOnly(addText(kRows[row - 1].captionBox, kCaptionLeft, top, kCaptionWidth, kRowHeight),
                  Qt::AlignHCenter)
            ->setText(kRows[row - 1].caption);
        amountBox(
            shownOnly(addText(form10::amountBox(row), kAmountLeft, top, kAmountWidth, kRowHeight),
                      Qt::AlignRight));
        top += kRowHeight;
    }
    top += 240;
    QLineEdit* month =
        shownOnly(addText(form10::kMonthBox, kCaptionLeft, top, 600, kRowHeight), Qt::AlignRight);
    QFont bold = month->font();
    bold.setBold(true);
    month->setFont(bold);
    addLabel("Label1", "月分", 900, top + 30, 600, 300);
    addButton("Command1", "確　　認", kAmountLeft, top - 60, kAmountWidth, 480, [this] {
        screens::show(form2::kForm);
        hide();
    });
}

}  // namespace nencho
