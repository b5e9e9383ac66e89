#include "ledger/ui/form2.h"

namespace nencho {

Form2::Form2() : WorkScreen("Form2", "Text10") {
    setWindowTitle("源泉徴収簿");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenButton("Command3", "データ表示クリア");
    addHiddenButton("Command2", "データ呼出");

    // Carriers the calculation screens write a computed row into, and the totals and save
    // buttons they press after it (month rows 12 + 9(m − 1), bonus rows 129 + 9(k − 1); the
    // boxes at +0..+4 and +6 of each row).
    for (int row = 0; row < 15; ++row) {
        const int first = row < 12 ? 12 + 9 * row : 129 + 9 * (row - 12);
        for (int offset : {0, 1, 2, 3, 4, 6}) addHiddenText(QString("Text%1").arg(first + offset));
    }
    addHiddenButton("Command17", "計算実行");
    addHiddenButton("Command21", "計算実行");
    addHiddenButton("Command22", "登録実行");
}

}  // namespace nencho
