#include "ledger/ui/form2.h"

namespace nencho {

Form2::Form2() : WorkScreen("Form2", "Text10") {
    setWindowTitle("源泉徴収簿");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenButton("Command3", "データ表示クリア");
    addHiddenButton("Command2", "データ呼出");
}

}  // namespace nencho
