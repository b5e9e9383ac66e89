#include "yearend/ui/form18.h"

namespace nencho {

Form18::Form18() : Screen("Form18") {
    setWindowTitle("参考");
}

}  // namespace nencho
