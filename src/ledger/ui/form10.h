#pragma once
#include "platform/ui/screen.h"

namespace nencho {

class Form10 : public Screen {
    Q_OBJECT

public:
    Form10();
};

}  // namespace nencho
