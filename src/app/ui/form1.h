#pragma once
// The main window and main menu: the working year, the company and person lists, the buttons
// that open the work screens, the printer window and the links.
#include "common/working_year.h"
#include "platform/ui/screen.h"

namespace nencho {

class Form1 : public Screen {
    Q_OBJECT

public:
    Form1();
    void formLoad() override;

    const std::string& taxYearCode() const { return taxYearCode_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildYearControls();
    void buildSelectionControls();
    void buildMenuButtons();
    void buildLinkButtons();
    void yearSwitchSequence(const WorkingYear& year, bool atStartUp);

    std::string taxYearCode_;
};

}  // namespace nencho
