#pragma once
#include "platform/ui/screen.h"

namespace nencho {

// The printer window: lists the installed printers and makes the chosen one the default.
class Form19 : public Screen {
    Q_OBJECT

  public:
    Form19();
    // Lists the printers once, when the window is first opened.
    void formLoad() override;

  private:
    void setChosenPrinterAsDefault();
    void returnToMainWindow();
};

}  // namespace nencho
