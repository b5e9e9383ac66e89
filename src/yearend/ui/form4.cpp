#include "yearend/ui/form4.h"

namespace nencho {

Form4::Form4() : WorkScreen("Form4", "Text85") {
    setWindowTitle("保険料控除");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenText("Text91");
    addHiddenButton("Command3", "クリア");
    addHiddenButton("Command2", "データ呼出");
    addHiddenButton("Command5", "給与控除社保料呼出");
    addHiddenButton("Command1", "計　算　実　行");
}

}  // namespace nencho
