#include "yearend/ui/form3.h"

namespace nencho {

Form3::Form3() : WorkScreen("Form3", "Text16") {
    setWindowTitle("年末調整");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenText("Text40");
    addHiddenText("Text2");
    addHiddenText("Text22");
    addHiddenText("Text23");
    addHiddenText("Text24");
    addHiddenText("Text25");
    addHiddenText("Text26");
    addHiddenText("Text29");
    addHiddenButton("Command6", "ク    リ   ア");
    addHiddenButton("Command10", "データ呼出");
    addHiddenButton("Command1", "年末調整実行");
    addHiddenButton("Command7", "年末調整しない");
}

}  // namespace nencho
