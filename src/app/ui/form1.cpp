#include "app/ui/form1.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string_view>
#include <vector>

#include "app/ui/form1_controls.h"
#include "app/ui/form1_screen_groups.h"
#include "common/keys.h"
#include "ledger/ui/form2_controls.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/program.h"
#include "platform/ui/screens.h"
#include "platform/ui/work_screen_controls.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form11_controls.h"
#include "records/ui/form12_controls.h"
#include "records/ui/form6_controls.h"
#include "summary/ui/form13_controls.h"
#include "yearend/ui/form16_controls.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

namespace {

// The work screens' year boxes, in the order the year is written into them.
const std::pair<const char*, const char*> kYearBoxes[] = {
    {form2::kForm, form2::kYearBox},   {form3::kForm, form3::kYearBox},
    {form4::kForm, form4::kYearBox},   {form5::kForm, form5::kYearBox},
    {form6::kForm, form6::kYearBox},   {form7::kForm, form7::kYearBox},
    {form11::kForm, form11::kYearBox}, {form12::kForm, form12::kYearBox},
    {form13::kForm, form13::kYearBox}, {form16::kForm, form16::kYearBox},
};

}  // namespace

Form1::Form1() : Screen(form1::kForm) {
    setWindowTitle("給与システム");
    setDesignSize(10320, 8040);
    buildYearControls();
    buildSelectionControls();
    buildMenuButtons();
    buildLinkButtons();
    connectSelectionActions();
    connectMenuActions();
}

void Form1::buildYearControls() {
    addLabel(form1::kYearLabel, "", 7440, 180, 2640, 360)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QGroupBox* frame = addFrame("Frame1", "平成", 7080, 4440, 3000, 1200);
    const char* names[] = {form1::kYear13Option, form1::kYear14Option, "Option3", "Option4",
                           form1::kYear17Option};
    const char* captions[] = {"１３年", "１４年", "１５年", "１６年", "１７年"};
    for (int i = 0; i < 5; ++i)
        addOption(names[i], captions[i], 120 + (i % 3) * 960, 300 + (i / 3) * 420, 900, 360, frame);
    control<QRadioButton>(form1::kYear17Option)->setChecked(true);
    onSwitch(form1::kYear13Option, [this](bool on) {
        if (on) yearSwitchSequence(kYear13, false);
    });
    onSwitch(form1::kYear14Option, [this](bool on) {
        if (on) yearSwitchSequence(kYear14, false);
    });
    addLabel("Label4", "税率・計算式は平成13年分を使用しています。", 240, 7560, 5400, 300);
    addLabel("Label6", "ヘルプ機能はありません。", 5760, 7560, 3000, 300);
    // Every record is read or written whole in one call, so ファイル閉鎖 has nothing to close;
    // it stays because the sequences press it.
    addHiddenButton(form1::kCloseFilesButton, "ファイル閉鎖", [] {});
    addHiddenButton(form1::kFillCompanyListButton, "表示");
    addButton(form1::kEndButton, "終　　了", 7080, 3360, 3000, 480, [] {
        dialogs().beep();
        endProgram();
    });
}

void Form1::buildSelectionControls() {
    showsUpTo(addText(form1::kCompanyBox, 240, 240, 720, 360), QString::number(kLastCompanyCode));
    addButton(form1::kClearCompanyButton, "C", 1000, 240, 360, 360);
    addButton(form1::kCompanyLoadButton, "法人名", 1400, 240, 4400, 360);
    showsUpTo(addText(form1::kPersonBox, 240, 720, 720, 360), QString::number(kLastPersonCode));
    addButton(form1::kClearPersonButton, "C", 1000, 720, 360, 360);
    addButton(form1::kPersonLoadButton, "個人名", 1400, 720, 3000, 360);
    addButton(form1::kPreviousPersonButton, "前の人", 4460, 720, 1000, 360);
    addButton(form1::kNextPersonButton, "次の人", 5500, 720, 1000, 360);
    addList(form1::kCompanyList, 240, 1200, 3600, 2520);
    addList(form1::kPersonList, 240, 3840, 3600, 2400);
    addButton(form1::kAllPersonsButton, "個人名全員表示", 240, 6360, 2160, 360);
    addLabel("Label5", "(とび番個人コードを有する時使用)", 240, 6760, 3600, 300);
    addButton(form1::kPreviousListedPersonButton, "前の人", 240, 7140, 1080, 360);
    addButton(form1::kNextListedPersonButton, "次の人", 1380, 7140, 1080, 360);
    addButton(form1::kStartFromListButton, "初期画面", 2520, 7140, 1320, 360);
}

void Form1::buildMenuButtons() {
    struct Entry {
        const char* name;
        const char* caption;
    };
    const Entry workButtons[] = {{form1::kLedgerButton, "源泉徴収簿"},
                                 {form1::kInsuranceButton, "保険等"},
                                 {form1::kDependantsButton, "扶養控除等"},
                                 {form1::kSpouseHousingButton, "配偶者特別控除住宅取得控除"},
                                 {form1::kYearEndButton, "年末調整"},
                                 {form1::kPrintButton, "印     刷"},
                                 {form1::kSummaryButton, "集計表"}};
    int top = 1200;
    for (const Entry& entry : workButtons) {
        addButton(entry.name, entry.caption, 4080, top, 2760, 480);
        top += 600;
    }
    const Entry recordButtons[] = {{form1::kCompanyScreenButton, "会社登録"},
                                   {form1::kPersonScreenButton, "個人登録"},
                                   {form1::kDataMaintenanceButton, "データ"},
                                   {form1::kPrinterButton, "プリンターの変更"},
                                   {form1::kStartButton, "初期画面"}};
    top = 600;
    for (const Entry& entry : recordButtons) {
        addButton(entry.name, entry.caption, 7080, top, 3000, 480);
        top += 540;
    }
}

QRect Form1::keptInSight() const {
    QRect buttons;
    for (const char* name :
         {form1::kLedgerButton, form1::kInsuranceButton, form1::kDependantsButton,
          form1::kSpouseHousingButton, form1::kYearEndButton, form1::kPrintButton,
          form1::kSummaryButton, form1::kCompanyScreenButton, form1::kPersonScreenButton,
          form1::kDataMaintenanceButton, form1::kPrinterButton, form1::kStartButton,
          form1::kEndButton})
        buttons |= controlWidget(name)->geometry();
    return buttons;
}

void Form1::buildLinkButtons() {
    QGroupBox* frame = addFrame("Frame2", "インターネット接続", 4080, 5640, 2760, 1680);
    addButton(form1::kHomePageButton, "Velkorのホームページ", 120, 300, 2520, 400, {}, frame);
    addButton(form1::kMailButton, "メールを出す", 120, 740, 2520, 400, {}, frame);
    addButton(form1::kSupportButton, "サポートセンターへ接続", 120, 1180, 2520, 400, {}, frame);
}

void Form1::formLoad() {
    yearSwitchSequence(kStartYear, true);
}

void Form1::yearSwitchSequence(const WorkingYear& year, bool atStartUp) {
    press(form1::kCloseFilesButton);
    taxYearCode_ = year.taxYearCode;
    const QString eraYear = QString::number(year.eraYear);
    screens::write(form7::kForm, form7::kFollowingYearMarkBox,
                   QString::fromStdString(year.followingYearMark));
    screens::write(form6::kForm, form6::kEraYearBox, eraYear);
    screens::write(form7::kForm, form7::kEraYearBox, eraYear);
    setWindowTitle(QString::fromStdString(mainWindowCaption(taxYearCode_)));
    setTextOf(form1::kYearLabel, QString::fromStdString(yearLabel(taxYearCode_)));

    // Every missing level of the data tree is made, so that a first start completes the
    // sequence. When a folder cannot be made the sequence stops here and the program goes on.
    try {
        ensureDataTree(taxYearCode_);
    } catch (const RecordError& error) {
        showMessage(QString::fromStdString(error.what()), "年度フォルダ作成",
                    MessageIcon::Critical);
        return;
    }

    const QString code = QString::fromStdString(taxYearCode_);
    for (const auto& [form, box] : kYearBoxes) screens::write(form, box, code);

    // The screens that are hidden take the new year at once, so that no screen another one uses
    // before the clerk opens it works with an empty or former year.
    // At start-up the company's screens too: every year button first, then every hide.
    std::vector<const char*> forms(form1::kPersonScreens.begin(), form1::kPersonScreens.end());
    if (atStartUp)
        forms.insert(forms.end(), form1::kCompanyOnlyScreens.begin(),
                     form1::kCompanyOnlyScreens.end());
    for (const char* form : forms) {
        if (std::find(form1::kWithoutYearButton.begin(), form1::kWithoutYearButton.end(),
                      std::string_view(form)) == form1::kWithoutYearButton.end())
            screens::press(form, work_screen::kYearButton);
    }
    for (const char* form : forms) screens::hide(form);

    press(form1::kFillCompanyListButton);
}

void Form1::closeEvent(QCloseEvent* event) {
    // A close from the close box or the system menu; the session's own shutdown passes quietly.
    event->ignore();
    runHandlerGuarded(windowTitle(), [event] {
        if (event->spontaneous()) dialogs().beep();
        endProgram();
    });
}

}  // namespace nencho
