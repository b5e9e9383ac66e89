#include "ledger/ui/form10.h"

namespace nencho {

Form10::Form10() : Screen("Form10") {
    setWindowTitle("給与明細");

}

}  // namespace nencho
