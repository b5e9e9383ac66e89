#pragma once
// The main window and main menu: the working year, the company and person lists, the buttons
// that open the work screens, the printer window and the links.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "common/working_year.h"
#include "platform/ui/screen.h"

namespace nencho {

class Form1 : public Screen {
    Q_OBJECT

  public:
    Form1();
    void formLoad() override;
    // The buttons of the menu, which the screens shown beside the window leave in sight.
    QRect keptInSight() const override;

    const std::string& taxYearCode() const { return taxYearCode_; }
    // The main window's own copies of the chosen codes.
    std::int32_t currentCompanyCode() const { return currentCompanyCode_; }
    std::int16_t currentPersonCode() const { return currentPersonCode_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct PersonChoice {
        std::int32_t company;
        std::int16_t person;
    };

    void buildYearControls();
    void buildSelectionControls();
    void buildMenuButtons();
    void buildLinkButtons();
    void yearSwitchSequence(const WorkingYear& year, bool atStartUp);

    // Company and person selection (form1_selection.cpp).
    void connectSelectionActions();
    void fillCompanyList();
    void chooseCompanyRow(bool pastGaps);
    void choosePersonRow();
    // Loads the company of the company box into the screens; the failure's description, or
    // an empty text when it was loaded.
    std::string loadCompany();
    void loadCompanyFromButton();
    void clearPerson();
    void clearCompany();
    void returnToStart();

    // The person switch (form1_person.cpp).
    void loadPerson();
    void stepPerson(int step);
    void handPersonToScreens(bool viaStep);
    void reloadYearEndEntries(std::int32_t company);
    void recomputeStoredDeductions(std::int32_t company, std::int16_t person);

    // Opening the work screens and the links (form1_entry.cpp).
    void connectMenuActions();
    void openScreen(const char* form, std::initializer_list<const char*> buttons);
    void openLedger();
    void openPrintScreen();
    void openYearEnd();
    void openDataMaintenance();
    void openLink(const std::string& target);

    std::string taxYearCode_;
    std::int32_t currentCompanyCode_ = 0;
    std::int16_t currentPersonCode_ = 0;
    // The company whose code the work screens were last given.
    std::optional<std::int32_t> screensCompany_;
    // The company and person of the last person load or step that went through.
    std::optional<PersonChoice> loadedPerson_;
};

}  // namespace nencho
