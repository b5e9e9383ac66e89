#include "withholding/ui/form9.h"

#include <QLabel>

namespace nencho {

Form9::Form9() : Screen("Form9") {
    setWindowTitle("賞与計算");
    // What the ledger hands a bonus over in.
    addHiddenButton("Command10", "クリア");
    addLabel("Label3", "", 0, 0, 1000, 300)->hide();
    addHiddenText("Text3");
    addHiddenText("Text28");
}

}  // namespace nencho
