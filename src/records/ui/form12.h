#pragma once
// The data maintenance screen: choose a company and one of its persons, delete a person or a
// whole company, copy a person to a new person code, back a company up to a drive and
// restore it.
#include <QPalette>
#include <optional>

#include "platform/ui/work_screen.h"
#include "records/backup.h"

class QShowEvent;

namespace nencho {

// A code typed into a box: a whole number, spaces (also full-width ones) around it allowed.
std::optional<std::int64_t> typedCode(const QString& text);

class Form12 : public WorkScreen {
    Q_OBJECT

  public:
    Form12();
    void formLoad() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildCompanyControls();
    void buildPersonControls();
    void buildBackupControls();
    void addComboDrive(const QString& name, int left, int top, int width, int height);
    void addProgressBar(const QString& name, int left, int top, int width, int height);

    // Company and person choice (form12.cpp).
    void fillCompanyList();
    void chooseCompany(int row);
    void loadCompany();
    void fillPersonList();
    void choosePerson(int row);
    void loadPerson();
    void nextPerson();
    void clearCompanyChoice();
    void clearCompanyCode();
    void clearPersonCode();

    // Deletions and the copy to a new code (form12_maintenance.cpp).
    void deletePerson();
    void deleteCompany();
    void copyToNewCode();
    void endCompanyDeletion();
    // The code in a box, or a message saying it is missing.
    std::optional<std::int64_t> codeIn(const QString& box, const QString& what,
                                       const QString& title);

    // Drives, backup and restore (form12_backup.cpp).
    void refreshDriveLists();
    void runTransfer(TransferDirection direction);

    QPalette normalPalette_;
};

}  // namespace nencho
