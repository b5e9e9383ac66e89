#pragma once
#include "platform/ui/screen.h"

namespace nencho {

class Form8 : public Screen {
    Q_OBJECT

public:
    Form8();
};

}  // namespace nencho
