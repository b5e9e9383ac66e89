#pragma once
#include "platform/ui/screen.h"

namespace nencho {

// The printer window: lists the installed printers and makes the chosen one the default.
class Form19 : public Screen {
    Q_OBJECT

  public:
    Form19();

  protected:
    // Lists the printers when the window is opened with none listed yet.
    void showEvent(QShowEvent* event) override;

  private:
    void listPrinters();
    void setChosenPrinterAsDefault();
    void returnToMainWindow();

    // Whether the printing service has given its printers: they are kept while the window stays
    // loaded, with the clerk's last choice among them. A service that could not be reached gave
    // none, and is asked again at the next opening.
    bool listed_ = false;
};

}  // namespace nencho
