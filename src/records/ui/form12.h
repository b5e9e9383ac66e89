#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form12 : public WorkScreen {
    Q_OBJECT

public:
    Form12();
};

}  // namespace nencho
