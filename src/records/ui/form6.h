#pragma once
#include "platform/ui/work_screen.h"

namespace nencho {

class Form6 : public WorkScreen {
    Q_OBJECT

public:
    Form6();
};

}  // namespace nencho
