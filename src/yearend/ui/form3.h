#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form3 : public WorkScreen {
    Q_OBJECT

  public:
    Form3();
};

}  // namespace nencho
