#include "withholding/ui/form9.h"

namespace nencho {

Form9::Form9() : Screen("Form9") {
    setWindowTitle("賞与計算");

}

}  // namespace nencho
