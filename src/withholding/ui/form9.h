#pragma once
#include "platform/ui/screen.h"

namespace nencho {

class Form9 : public Screen {
    Q_OBJECT

public:
    Form9();
};

}  // namespace nencho
