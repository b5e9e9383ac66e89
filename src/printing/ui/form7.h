#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form7 : public WorkScreen {
    Q_OBJECT

  public:
    Form7();
};

}  // namespace nencho
