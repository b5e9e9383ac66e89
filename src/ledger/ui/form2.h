#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form2 : public WorkScreen {
    Q_OBJECT

public:
    Form2();
};

}  // namespace nencho
