#include "withholding/ui/form8.h"

namespace nencho {

Form8::Form8() : Screen("Form8") {
    setWindowTitle("月額計算");

}

}  // namespace nencho
