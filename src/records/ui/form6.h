#pragma once
// The person screen: types, loads, steps through, clears and registers the persons of the
// company chosen in the main menu, with their two notes lines.
#include <initializer_list>

#include "platform/ui/work_screen.h"
#include "records/person_file.h"

class QEvent;

namespace nencho {

class Form6 : public WorkScreen {
    Q_OBJECT

  public:
    Form6();

    void formLoad() override;
    // Enter (character code 13) moves the focus to the next field.
    void ReturnNext(int keyCode);

  private:
    // Layout (form6.cpp).
    void buildIdentityControls();
    void buildBirthControls();
    void buildPositionControls();
    void buildStatusControls();
    void buildChangeControls();
    void buildPayKindControls();
    void buildNotesControls();
    void buildCommandButtons();
    void setKeyboardOrder();
    // After a registration the keys go to the first box of the next person, never to the
    // button, which registers on any key.
    void enterNextPerson();
    void declareLongestValues();

    // Option groups and status boxes (form6_choices.cpp).
    void connectChoices();
    void onSelected(const char* option, std::function<void()> action);
    // Selecting runs the option's action only when it was off; switching off runs nothing.
    void select(const QString& option);
    void chooseOwnCondition(PersonStatus status, const char* dependantsOption);
    void chooseNoOwnCondition();
    void chooseNoChange();
    void clearStatusChecks();

    // Loading, stepping and clearing (form6_load.cpp).
    void takeYear();
    void loadPerson();
    void clearShownChoices();
    void showEntry();
    void showPosition();
    void showChoices();
    void loadChosenPerson();
    void stepPerson(int step);
    void fullClear();
    void partialClear();
    void clearAndReset(std::initializer_list<const char*> boxes);

    // Registration, notes and the free code (form6_register.cpp).
    void registerPerson();
    void registerWithoutCode();
    void takeEntryFromBoxes();
    void finishNewPerson();
    void rewriteExistingPerson(const std::string& existsDescription);
    void storeNotes();
    void loadNotes();
    void searchLastNumber();
    void showLastNumber();

    PersonEntry entry_;
};

}  // namespace nencho
