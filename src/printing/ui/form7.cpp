#include "printing/ui/form7.h"

#include <QLabel>

#include "printing/ui/form7_controls.h"

namespace nencho {

Form7::Form7() : WorkScreen("Form7", "Text10") {
    setWindowTitle("印刷");
    addHiddenText("Text9");
    addHiddenText("Text8");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenText("Text1");
    addHiddenButton("Command7", "クリア");
    addHiddenButton("Command5", "データ呼出");
    addHiddenButton("Command3", "表示実行");
    addHiddenButton("Command8", "特記事項呼出");
    for (const char* label : {form7::kHousingCreditLabel, form7::kSpouseIncomeLabel,
                              form7::kPensionPremiumsLabel, form7::kLongTermCasualtyLabel})
        addLabel(label, {}, 0, 0, 1000, 300)->hide();
}

}  // namespace nencho
