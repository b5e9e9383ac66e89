#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form13 : public WorkScreen {
    Q_OBJECT

  public:
    Form13();
};

}  // namespace nencho
