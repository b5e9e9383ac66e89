#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form11 : public WorkScreen {
    Q_OBJECT

public:
    Form11();
};

}  // namespace nencho
