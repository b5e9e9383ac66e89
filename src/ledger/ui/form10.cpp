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

// Caption box and amount box of each row, top to bottom.
struct Row {
    const char* captionBox;
    const char* caption;
    const char* amountBox;
};
constexpr Row kRows[] = {
    {"Text8", "支　給　額", "Text1"},  {"Text9", "健康保険料", "Text2"},
    {"Text10", "厚生年金", "Text3"},   {"Text11", "雇用保険料", "Text4"},
    {"Text12", "源泉所得税", "Text5"}, {"Text13", "小　　　計", "Text6"},
    {"Text14", "手　取　額", "Text7"},
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
    for (const Row& row : kRows) {
        shownOnly(addText(row.captionBox, kCaptionLeft, top, kCaptionWidth, kRowHeight),
                  Qt::AlignHCenter)
            ->setText(row.caption);
        shownOnly(addText(row.amountBox, kAmountLeft, top, kAmountWidth, kRowHeight),
                  Qt::AlignRight);
        top += kRowHeight;
    }
    top += 240;
    QLineEdit* month =
        shownOnly(addText("Text15", kCaptionLeft, top, 600, kRowHeight), Qt::AlignRight);
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
