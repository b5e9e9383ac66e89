#include "records/ui/form6.h"

namespace nencho {

Form6::Form6() : WorkScreen("Form6", "Text3") {
    setWindowTitle("個人登録");
    addHiddenText("Text12");
    addHiddenText("Text1");
    addHiddenText("Text2");
    addHiddenButton("Command6", "クリア");
    addHiddenButton("Command2", "該当なし");
}

}  // namespace nencho
