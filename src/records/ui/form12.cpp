#include "records/ui/form12.h"

namespace nencho {

Form12::Form12() : WorkScreen("Form12", "Text10") {
    setWindowTitle("データ");
    addHiddenText("Text1");
    addHiddenText("Text2");
    addHiddenText("Text3");
    addHiddenText("Text4");
    addHiddenText("Text6");
    addHiddenText("Text7");
    addLabel("Label3", "", 0, 0, 1000, 300);
}

}  // namespace nencho
