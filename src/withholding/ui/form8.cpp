#include "withholding/ui/form8.h"

#include <QLabel>

namespace nencho {

Form8::Form8() : Screen("Form8") {
    setWindowTitle("月額計算");
    // What the ledger hands a month over in.
    addHiddenButton("Command7", "クリア");
    addLabel("Label3", "", 0, 0, 1000, 300)->hide();
    addHiddenText("Text3");
    addHiddenText("Text11");
    addHiddenText("Text161");
    addHiddenText("Text162");
}

}  // namespace nencho
