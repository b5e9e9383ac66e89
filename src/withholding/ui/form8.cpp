#include "withholding/ui/form8.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/ui/dialogs.h"
#include "platform/ui/key_press.h"
#include "withholding/typed_numbers.h"
#include "withholding/ui/form8_controls.h"

namespace nencho {

namespace {

QLineEdit* makeGrey(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setStyleSheet("background-color: rgb(224, 224, 224);");
    return box;
}

}  // namespace

Form8::Form8() : Screen(form8::kForm) {
    setWindowTitle("毎月の給与計算");
    setDesignSize(8520, 5760);
    buildHandInControls();
    buildAutomaticFrame();
    buildManualFrame();
    buildNotes();
    connectActions();
    // Handed a month, the screen starts on its first computing button: the clerk's next key
    // computes (the space bar) or moves on (Tab), and never goes into the month box.
    setOpeningControl(controlWidget(form8::kWithoutNursingCareButton));
}

void Form8::buildHandInControls() {
    addText(form8::kMonthBox, 240, 240, 600, 360)->setAlignment(Qt::AlignRight);
    addLabel("Label2", "月分の給与", 900, 270, 1200, 300);
    QLabel* pay = addLabel(form8::kPayLabel, "", 2160, 240, 1800, 360);
    pay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showsUpTo(pay, longestAmountText());
    pay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addHiddenText(form8::kYearBox);
    addHiddenText(form8::kCompanyBox);
    addHiddenText(form8::kPersonBox);
    addHiddenText("Text8");
    addHiddenText("Text9");
    addHiddenText("Text10");
    addHiddenButton(form8::kYearButton, "年");
    addButton("Command4", "END", 7200, 240, 1080, 480, [this] { hide(); });
}

void Form8::buildAutomaticFrame() {
    QGroupBox* frame = addFrame("Frame2", "自動計算", 240, 840, 4320, 3480);
    addButton(form8::kWithoutNursingCareButton, "介護保険なし", 120, 300, 1980, 480, {}, frame);
    addButton(form8::kWithNursingCareButton, "介護保険あり", 2220, 300, 1980, 480, {}, frame);
    addCheck(form8::kHealthCheck, "健康保険なし", 120, 960, 1800, 360, frame);
    addCheck(form8::kPensionCheck, "厚生年金なし", 120, 1380, 1800, 360, frame);
    addCheck(form8::kEmploymentCheck, "雇用保険あり", 120, 1800, 1800, 360, frame);
    buildDependantsFrame(frame);
}

void Form8::buildDependantsFrame(QWidget* parent) {
    QGroupBox* frame = addFrame("Frame1", "扶養家族数", 2220, 900, 1980, 2460, parent);
    const char* captions[] = {"なし", " １人", "2人", "３人", "４人", "５人以上"};
    for (int count = 0; count <= 5; ++count)
        addOption(form8::kDependantsOptions[count], captions[count], 180, 300 + count * 340, 1680,
                  320, frame);
    control<QRadioButton>(form8::kNoDependantsOption)->setChecked(true);
}

void Form8::buildManualFrame() {
    QGroupBox* frame = addFrame("Frame3", "手動計算", 4680, 840, 3600, 3480);
    makeGrey(addText("Text4", 120, 300, 1560, 360, frame), "社会保険等入力");
    QLineEdit* insurance = addText(form8::kManualInsuranceBox, 1740, 300, 1680, 360, frame);
    makeGrey(addText("Text5", 120, 780, 1560, 360, frame), "源泉所得税入力");
    QLineEdit* tax = addText(form8::kManualTaxBox, 1740, 780, 1680, 360, frame);
    addButton(form8::kMoreDependantsButton, "扶養家族数", 120, 1260, 1020, 360, {}, frame);
    addButton(form8::kFewerDependantsButton, "減少", 1140, 1260, 540, 360, {}, frame);
    QLineEdit* dependants = addText(form8::kManualDependantsBox, 1740, 1260, 1680, 360, frame);
    addButton(form8::kClearButton, "クリア", 1740, 1740, 1680, 360, {}, frame);
    addButton(form8::kManualEntryButton, "手動計算実行", 120, 2340, 3300, 600, {}, frame);
    for (QLineEdit* box : {insurance, tax}) amountBox(box);
    dependants->setAlignment(Qt::AlignRight);
    // Enter walks the three boxes in this order.
    keepOwnTabOrder();
    setTabOrder(insurance, tax);
    setTabOrder(tax, dependants);
    for (QLineEdit* box : {insurance, tax, dependants})
        onKeyPress(box, [this](int keyCode) {
            ReturnNext(keyCode);
            return false;
        });
}

void Form8::buildNotes() {
    addLabel("Label1", "1)社会保険・厚生年金の率は、平成１６年１０月改訂版", 240, 4440, 8040, 300);
    addLabel("Label4", "2)雇用保険の率は、平成１４年１０月改訂版", 240, 4800, 8040, 300);
    addLabel("Label5", "3)源泉所得税の税額表は、平成１２年４月現在版", 240, 5160, 8040, 300);
    makeGrey(addText("Text6", 4680, 240, 1200, 360), "");
}

void Form8::connectActions() {
    onPress(form8::kWithoutNursingCareButton, [this] { calculate(false); });
    onPress(form8::kWithNursingCareButton, [this] { calculate(true); });
    onPress(form8::kManualEntryButton, [this] { enterManually(); });
    onPress(form8::kMoreDependantsButton, [this] {
        setTextOf(form8::kManualDependantsBox,
                  QString::fromStdString(
                      stepDependants(textOf(form8::kManualDependantsBox).toStdString(), 1)));
    });
    onPress(form8::kFewerDependantsButton, [this] {
        setTextOf(form8::kManualDependantsBox,
                  QString::fromStdString(
                      stepDependants(textOf(form8::kManualDependantsBox).toStdString(), -1)));
    });
    onPress(form8::kClearButton, [this] {
        for (const char* box :
             {form8::kManualInsuranceBox, form8::kManualTaxBox, form8::kManualDependantsBox})
            setTextOf(box, "");
    });
}

void Form8::ReturnNext(int keyCode) {
    if (keyCode == kEnterKeyCode) dialogs().sendTab();
}

bool Form8::isTicked(const QString& checkBox) const {
    return control<QCheckBox>(checkBox)->checkState() != Qt::Unchecked;
}

void Form8::showProblem(const QString& prompt) {
    showMessage(prompt, windowTitle(), MessageIcon::Exclamation);
}

}  // namespace nencho
