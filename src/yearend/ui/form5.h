#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form5 : public WorkScreen {
    Q_OBJECT

  public:
    Form5();
};

}  // namespace nencho
