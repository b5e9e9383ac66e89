#pragma once
// The pay statement window: one month's pay, premiums, tax, deductions and net pay as the
// ledger's 給与明細 buttons fill it. It only shows; its one button returns to the ledger.
#include "platform/ui/screen.h"

namespace nencho {

class Form10 : public Screen {
    Q_OBJECT

  public:
    Form10();
};

}  // namespace nencho
