#pragma once
// The company screen: registers an employer, loads a registered one, and can prefill the
// fields from the corporate-tax program's company file.
#include <cstdint>

#include "platform/ui/work_screen.h"
#include "records/company_file.h"

class QLineEdit;

namespace nencho {

class Form11 : public WorkScreen {
    Q_OBJECT

  public:
    Form11();

    // Enter (13) moves the focus to the next field as Tab does; any other key does nothing.
    void ReturnNext(std::uint16_t keyCode);

  private:
    // Layout (form11.cpp).
    void buildCodeRow();
    void buildEntryRows();
    void buildHiddenBoxes();
    void buildButtons();
    void setEntryOrder();
    // After a registration the keys go to the code box, not to the button left behind.
    void enterNextCompany();
    QLineEdit* addMark(const QString& name, int top);
    QLineEdit* addHiddenBox(const QString& name, int left, int top, int width);

    // Actions (form11_actions.cpp).
    void clearFields();              // 会社コード
    void loadCompany();              // 会社呼出
    void loadMenuCompany();          // DATA
    void prefillFromCorporateTax();  // 法人税ファイルより呼出
    void registerCompany();          // 登録実行
    void setIndividualValues();      // 個人
    void takeBusinessYear();         // 事業年度
    void takeBoxesIntoRecord(std::int32_t code);
    bool confirmOverwrite(const std::string& path);
    void showValues(const LegacyCompanyLayout& values);

    // The company the screen registered or loaded last.
    CompanyRecord record_;
};

}  // namespace nencho
