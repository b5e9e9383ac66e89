#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form4 : public WorkScreen {
    Q_OBJECT

  public:
    Form4();
};

}  // namespace nencho
