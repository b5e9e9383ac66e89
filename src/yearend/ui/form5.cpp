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
    // The person options, which the person screen's own-condition choice sets.
    addOption("Option2", "特別障害者", 120, 120, 1500, 300);
    addOption("Option1", "障害・寡婦学生等", 1680, 120, 2100, 300);
    addOption("Option7", "老年者", 3840, 120, 1200, 300);
    addOption("Option12", "特別寡婦", 5100, 120, 1500, 300);
}

}  // namespace nencho
