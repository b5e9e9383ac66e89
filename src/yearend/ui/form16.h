#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form16 : public WorkScreen {
    Q_OBJECT

  public:
    Form16();
};

}  // namespace nencho
