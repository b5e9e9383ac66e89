#include "yearend/ui/form5.h"

namespace nencho {

Form5::Form5() : WorkScreen("Form5", "Text73") {
    setWindowTitle("扶養控除等");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenText("Text48");
    addHiddenText("Text100");
    addHiddenButton("Command10", "クリア");
    addHiddenButton("Command9", "データ呼出");
    addHiddenButton("Command22", "表示");
    addHiddenButton("Command3", "計算実行");
}

}  // namespace nencho
