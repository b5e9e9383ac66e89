#include "withholding/ui/form9.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ui/dialogs.h"
#include "platform/ui/key_press.h"
#include "withholding/typed_numbers.h"
#include "withholding/ui/form9_controls.h"

namespace nencho {

Form9::Form9() : Screen(form9::kForm) {
    setWindowTitle("賞与の源泉所得税");
    setDesignSize(7680, 4800);
    // The manual boxes come first in the focus order, so the screen opens in Text8.
    buildManualFrame();
    buildAutomaticControls();
    buildDependantsFrame();
    connectActions();
    connectSteppers();
}

void Form9::buildAutomaticControls() {
    addLabel("Label1", " 賞　  与", 240, 240, 1200, 360);
    QLabel* bonus = addLabel(form9::kBonusLabel, "", 1500, 240, 1800, 360);
    bonus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showsUpTo(bonus, longestAmountText());
    bonus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addLabel("Label4", "前月給与額", 240, 720, 1200, 360);
    amountBox(addText(form9::kPreviousPayBox, 1500, 720, 1800, 360));
    addButton("Command2", "", 3360, 720, 300, 360,
              [this] { setTextOf(form9::kPreviousPayBox, ""); });
    addCheck(form9::kHealthCheck, "健康保険あり", 240, 3300, 1800, 360);
    addCheck(form9::kEmploymentCheck, "雇用保険あり", 240, 3720, 1800, 360);
    addButton(form9::kCalculateButton, "計算実行", 2160, 3300, 1500, 780, [this] { calculate(); });
    addButton("Command3", "END", 6360, 3420, 1080, 480, [this] { hide(); });
    addLabel("Label2", "1)雇用保険の率は、平成４年４月改訂版", 240, 4260, 7200, 300);
    addHiddenText(form9::kBonusNumberBox);
    addHiddenText(form9::kManualNumberBox);
}

void Form9::buildDependantsFrame() {
    struct Choice {
        const char* name;
        const char* caption;
    };
    const Choice choices[] = {{form9::kNoDependantsOption, "なし"},
                              {"optFu1", " １人"},
                              {"optFu2", "2人"},
                              {"optFu3", "３人"},
                              {"optFu4", "４人"},
                              {"Option1", "５人"},
                              {"Option2", "６人"},
                              {"optFu5", "７人以上"}};
    QGroupBox* frame = addFrame("Frame1", "扶養家族数", 240, 1200, 3420, 1860);
    for (int number = 0; number < 8; ++number) {
        addOption(choices[number].name, choices[number].caption, 120 + (number / 4) * 1680,
                  300 + (number % 4) * 360, 1560, 340, frame);
        onSwitch(choices[number].name, [this, number](bool on) {
            if (on) dependantsNumber_ = number;
        });
    }
    control<QRadioButton>(form9::kNoDependantsOption)->setChecked(true);
}

void Form9::buildManualFrame() {
    QGroupBox* frame = addFrame("Frame3", "手動計算", 3840, 240, 3600, 3060);
    QLineEdit* insurance = addText(form9::kManualInsuranceBox, 1740, 300, 1680, 360, frame);
    QLineEdit* tax = addText(form9::kManualTaxBox, 1740, 720, 1680, 360, frame);
    QLineEdit* dependants = addText(form9::kManualDependantsBox, 1740, 1140, 1680, 360, frame);
    QPushButton* enter =
        addButton(form9::kManualEntryButton, "手動計算実行", 120, 2100, 3300, 600, {}, frame);
    addButton(form9::kInsuranceEntryButton, "社会保険等入力", 120, 300, 1560, 360, {}, frame);
    addButton(form9::kTaxEntryButton, "源泉所得税入力", 120, 720, 1560, 360, {}, frame);
    addButton(form9::kFewerDependantsButton, "減少", 120, 1140, 540, 360, {}, frame);
    addButton(form9::kMoreDependantsButton, "扶養家族数", 660, 1140, 1020, 360, {}, frame);
    addButton(form9::kClearButton, "クリア", 1740, 1560, 1680, 360, {}, frame);
    amountBox(insurance);
    amountBox(tax);
    for (QLineEdit* box : {insurance, tax, dependants}) {
        box->setAlignment(Qt::AlignRight);
        onKeyPress(box, [this](int keyCode) {
            ReturnNext(keyCode);
            return false;
        });
    }
    // Enter walks the three boxes in this order, then the entry button.
    keepOwnTabOrder();
    setTabOrder(insurance, tax);
    setTabOrder(tax, dependants);
    setTabOrder(dependants, enter);
    // Any key on the manual button runs the manual entry (and only once).
    onKeyPress(enter, [this](int) {
        press(form9::kManualEntryButton);
        return true;
    });
    insurance->setFocus();
}

void Form9::connectActions() {
    onPress(form9::kManualEntryButton, [this] { enterManually(); });
    onPress(form9::kClearButton, [this] {
        for (const char* box :
             {form9::kManualInsuranceBox, form9::kManualTaxBox, form9::kManualDependantsBox})
            setTextOf(box, "");
    });
    onPress(form9::kInsuranceEntryButton, [this] { setTextOf(form9::kManualInsuranceBox, ""); });
    onPress(form9::kTaxEntryButton, [this] { setTextOf(form9::kManualTaxBox, ""); });
}

void Form9::connectSteppers() {
    auto step = [this](int by) {
        setTextOf(form9::kManualDependantsBox,
                  QString::fromStdString(
                      stepDependants(textOf(form9::kManualDependantsBox).toStdString(), by)));
    };
    onPress(form9::kMoreDependantsButton, [step] { step(1); });
    onPress(form9::kFewerDependantsButton, [step] { step(-1); });
}

void Form9::ReturnNext(int keyCode) {
    if (keyCode == kEnterKeyCode) dialogs().sendTab();
}

bool Form9::isTicked(const QString& checkBox) const {
    return control<QCheckBox>(checkBox)->checkState() != Qt::Unchecked;
}

void Form9::showProblem(const QString& prompt) {
    // Every failure of this screen carries the title of the bonus calculation.
    showMessage(prompt, "賞与計算", MessageIcon::Exclamation);
}

}  // namespace nencho
