#pragma once
// The reference panel of the dependants sheet: the year's age limits for the 老人 and 特定
// marks, which the user compares with the birth dates by eye.
#include "platform/ui/screen.h"

namespace nencho {

class Form18 : public Screen {
    Q_OBJECT

  public:
    Form18();
    void formLoad() override;
};

}  // namespace nencho
