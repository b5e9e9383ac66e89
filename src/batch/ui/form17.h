#pragma once
#include "platform/ui/screen.h"

namespace nencho {

class Form17 : public Screen {
    Q_OBJECT

  public:
    Form17();
};

}  // namespace nencho
