#include "records/ui/form11.h"

namespace nencho {

Form11::Form11() : WorkScreen("Form11", "Text24") {
    setWindowTitle("会社登録");
    addHiddenButton("Command9", "クリア");
    addHiddenText("Text23");
}

}  // namespace nencho
