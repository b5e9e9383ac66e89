#include "batch/ui/form17.h"

namespace nencho {

Form17::Form17() : Screen("Form17") {
    setWindowTitle("一括印刷");
}

}  // namespace nencho
