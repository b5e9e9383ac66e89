#pragma once
#include "platform/ui/screen.h"

namespace nencho {

class Form18 : public Screen {
    Q_OBJECT

  public:
    Form18();
};

}  // namespace nencho
