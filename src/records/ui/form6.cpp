#include "records/ui/form6.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/keys.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/key_press.h"
#include "platform/ui/program.h"
#include "platform/ui/typed_length.h"
#include "records/notes_file.h"
#include "records/person_file.h"
#include "records/ui/form6_controls.h"

namespace nencho {

namespace {

// The boxes whose Enter moves on to the next field.
constexpr const char* kReturnNextBoxes[] = {
    form6::kPersonCodeBox,   form6::kReadingBox,    form6::kNameBox,
    form6::kAddressUpperBox, form6::kBirthYearBox,  form6::kBirthMonthBox,
    form6::kBirthDayBox,     form6::kNotesLine1Box, form6::kNotesLine2Box};

// The Tab key's path through the screen; nothing else takes the focus from it.
constexpr const char* kKeyboardOrder[] = {
    form6::kPersonCodeBox,   form6::kReadingBox,           form6::kNameBox,
    form6::kAddressUpperBox, form6::kBirthYearBox,         form6::kBirthMonthBox,
    form6::kBirthDayBox,     form6::kNotesLine1Box,        form6::kNotesLine2Box,
    form6::kRegisterButton,  form6::kPreviousPersonButton, form6::kNextPersonButton,
    form6::kAddressLowerBox, form6::kPositionBox};

}  // namespace

Form6::Form6() : WorkScreen(form6::kForm, form6::kYearBox) {
    setWindowTitle("会社登録・個人の登録");
    setDesignSize(10080, 7320);
    for (const char* carrier :
         {form6::kCompanyBox, form6::kChosenPersonBox, form6::kLastStoredCodeBox})
        addHiddenText(carrier);
    buildIdentityControls();
    buildBirthControls();
    buildPositionControls();
    buildStatusControls();
    buildChangeControls();
    buildPayKindControls();
    buildNotesControls();
    buildCommandButtons();
    connectChoices();
    setKeyboardOrder();
    declareLongestValues();
    // Opened from the main menu, the screen starts in the person code box, also when the clerk
    // left the focus elsewhere the last time.
    setOpeningControl(controlWidget(form6::kPersonCodeBox));
}

void Form6::declareLongestValues() {
    using namespace form6;
    showsUpTo(controlWidget(kPersonCodeBox), QString::number(kLastPersonCode));
    for (const char* name : {kReadingBox, kNameBox})
        showsUpTo(controlWidget(name), fullWidthText(kNameLength));
    for (const char* address : {kAddressUpperBox, kAddressLowerBox})
        showsUpTo(controlWidget(address), fullWidthText(kAddressLineLength));
    showsUpTo(controlWidget(kPositionBox), fullWidthText(kPositionLength));
    for (const char* note : {kNotesLine1Box, kNotesLine2Box})
        showsUpTo(controlWidget(note), fullWidthText(kNoteLineLength));
    // The era year, month and day of the birth and of the joining or leaving.
    for (const char* date :
         {kBirthYearBox, kBirthMonthBox, kBirthDayBox, kEraYearBox, kChangeMonthBox, kChangeDayBox})
        showsUpTo(controlWidget(date), "88");
}

void Form6::buildIdentityControls() {
    addButton("Command11", "個人コード", 120, 120, 1215, 375,
              [this] { setTextOf(form6::kPersonCodeBox, {}); });
    addText(form6::kPersonCodeBox, 1335, 120, 735, 375);
    addLabel("Label1", "フリガナ", 120, 600, 1215, 375);
    addText(form6::kReadingBox, 1335, 600, 4095, 375);
    addLabel("Label2", "氏　　名", 120, 1080, 1215, 375);
    addText(form6::kNameBox, 1335, 1080, 4095, 375);
    addButton("Command17", "住所(上欄)", 120, 1560, 1215, 375,
              [this] { setTextOf(form6::kAddressUpperBox, {}); });
    addText(form6::kAddressUpperBox, 1335, 1560, 4095, 375);
    addButton("Command18", "住所(下欄)", 120, 2040, 1215, 375,
              [this] { setTextOf(form6::kAddressLowerBox, {}); });
    addText(form6::kAddressLowerBox, 1335, 2040, 4095, 375);
    for (const char* box : {form6::kAddressUpperBox, form6::kAddressLowerBox})
        limitTypedLength(control<QLineEdit>(box), kAddressLineLength);
}

void Form6::buildBirthControls() {
    QGroupBox* frame = addFrame("Frame1", "生年月日", 120, 2520, 5310, 1095);
    int left = 120;
    for (const auto& era : form6::kEraOptions) {
        addOption(era.control, era.caption, left, 240, 900, 300, frame);
        left += 960;
    }
    const char* boxes[] = {form6::kBirthYearBox, form6::kBirthMonthBox, form6::kBirthDayBox};
    const char* units[] = {"年", "月", "日"};
    for (int i = 0; i < 3; ++i) {
        addText(boxes[i], 120 + i * 1320, 600, 735, 375, frame)->setAlignment(Qt::AlignRight);
        addLabel(QString("Label%1").arg(3 + i), units[i], 900 + i * 1320, 660, 300, 255, frame);
    }
}

void Form6::buildPositionControls() {
    QGroupBox* frame = addFrame("Frame2", "役職", 5520, 600, 4455, 1095);
    // Three titles on the first row; 役職なし beside the box that holds any other title.
    const int lefts[] = {120, 1680, 2880, 2880};
    const int tops[] = {240, 240, 240, 640};
    int index = 0;
    for (const auto& position : form6::kPositionOptions) {
        addOption(position.control, position.caption, lefts[index], tops[index], 1500, 300, frame);
        ++index;
    }
    addText(form6::kPositionBox, 120, 600, 2535, 375, frame);
}

void Form6::buildStatusControls() {
    QGroupBox* ownFrame = addFrame("Frame3", "本人該当", 120, 3720, 5310, 1335);
    int index = 0;
    for (const auto& own : form6::kOwnConditionOptions) {
        addOption(own.control, own.caption, 120 + (index % 4) * 1260, 240 + (index / 4) * 420, 1200,
                  300, ownFrame);
        ++index;
    }
    addOption(form6::kNoOwnConditionOption, "該当なし", 120 + 3 * 1260, 660, 1200, 300, ownFrame);

    QGroupBox* statusFrame = addFrame("Frame4", "その他該当", 5520, 1800, 4455, 975);
    index = 0;
    for (const auto& check : form6::kStatusChecks) {
        addCheck(check.control, check.caption, 120 + (index % 3) * 1140, 240 + (index / 3) * 420,
                 1140, 300, statusFrame);
        ++index;
    }
    addButton(
        form6::kStatusClearButton, "該当なし", 3540, 240, 795, 735, [this] { clearStatusChecks(); },
        statusFrame);
}

void Form6::buildChangeControls() {
    QGroupBox* frame = addFrame("Frame5", "就職・退職", 5520, 2880, 4455, 1095);
    addOption(form6::kJoiningOption, "就　職", 120, 240, 1080, 300, frame);
    addOption(form6::kLeavingOption, "退　職", 1260, 240, 1080, 300, frame);
    addOption(form6::kNoChangeOption, "該当なし", 2400, 240, 1200, 300, frame);
    const char* boxes[] = {form6::kEraYearBox, form6::kChangeMonthBox, form6::kChangeDayBox};
    const char* units[] = {"年", "月", "日"};
    for (int i = 0; i < 3; ++i) {
        addText(boxes[i], 120 + i * 1320, 600, 735, 375, frame)->setAlignment(Qt::AlignRight);
        addLabel(QString("Label%1").arg(6 + i), units[i], 900 + i * 1320, 660, 300, 255, frame);
    }
}

void Form6::buildPayKindControls() {
    QGroupBox* frame = addFrame("Frame6", "給与の種類", 5520, 4080, 4455, 975);
    int index = 0;
    for (const auto& payKind : form6::kPayKindOptions) {
        addOption(payKind.control, payKind.caption, 120 + (index % 2) * 2160,
                  240 + (index / 2) * 360, 2100, 300, frame);
        ++index;
    }
}

void Form6::buildNotesControls() {
    QGroupBox* frame = addFrame("Frame7", "特記事項　(前職等の記述）", 120, 5160, 9855, 1215);
    addText(form6::kNotesLine1Box, 120, 240, 8535, 375, frame);
    addText(form6::kNotesLine2Box, 120, 720, 8535, 375, frame);
    addButton(
        form6::kNotesClearButton, "クリア", 8760, 240, 975, 855,
        [this] {
            setTextOf(form6::kNotesLine1Box, {});
            setTextOf(form6::kNotesLine2Box, {});
        },
        frame);
}

void Form6::buildCommandButtons() {
    addButton(form6::kLoadButton, "呼び出し", 2160, 120, 1095, 375, [this] { loadPerson(); });
    addButton("Command1", "DATA", 3300, 120, 855, 375, [this] { loadChosenPerson(); });
    addButton(form6::kLastNumberButton, "ラストナンバー", 4200, 120, 1695, 375,
              [this] { showLastNumber(); });
    addButton(form6::kPreviousPersonButton, "前の人", 5940, 120, 975, 375,
              [this] { stepPerson(-1); });
    addButton(form6::kNextPersonButton, "次の人", 6960, 120, 975, 375, [this] { stepPerson(+1); });
    addButton(form6::kEndButton, "END", 9000, 120, 975, 375, [] { endProgram(); });
    addButton(form6::kRegisterButton, "登録実行", 120, 6600, 2175, 495,
              [this] { registerPerson(); });
    addButton(form6::kClearButton, "クリア", 2400, 6600, 1335, 495, [this] { fullClear(); });
    addHiddenButton(form6::kPartialClearButton, "一部クリア", [this] { partialClear(); });
    addHiddenButton(form6::kLastNumberSearchButton, "LastNumber", [this] { searchLastNumber(); });
    addHiddenButton(form6::kNotesLoadButton, "特記事項呼出", [this] { loadNotes(); });
    addHiddenButton(form6::kNotesStoreButton, "特記事項登録", [this] { storeNotes(); });
    addHiddenButton("Command7", "NEXT登録");
}

void Form6::setKeyboardOrder() {
    // Enter walks the entry boxes in this order and ends on 登録実行.
    keepOwnTabOrder();
    for (QWidget* child : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QAbstractButton*>(child))
            child->setFocusPolicy(Qt::ClickFocus);
    }
    QWidget* previous = nullptr;
    for (const char* name : kKeyboardOrder) {
        QWidget* widget = controlWidget(name);
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
    for (const char* name : kReturnNextBoxes) {
        onKeyPress(controlWidget(name), [this](int keyCode) {
            ReturnNext(keyCode);
            return keyCode == kEnterKeyCode;
        });
    }
    // Any key typed on the button registers; Tab and Shift+Tab still move on.
    onKeyPress(controlWidget(form6::kRegisterButton), [this](int) {
        press(form6::kRegisterButton);
        return true;
    });
}

void Form6::enterNextPerson() {
    // The code offered is selected, so that the code typed replaces it and Enter keeps it.
    auto* first = control<QLineEdit>(kKeyboardOrder[0]);
    first->selectAll();
    first->setFocus(Qt::TabFocusReason);
}

void Form6::formLoad() {
    takeYear();
    for (const char* option : {form6::kNoPositionOption, form6::kNoOwnConditionOption,
                               form6::kNoChangeOption, form6::kPayAndBonusOption})
        switchOptionOff(option);
    select(form6::kShowaOption);
}

void Form6::ReturnNext(int keyCode) {
    if (keyCode == kEnterKeyCode) dialogs().sendTab();
}

}  // namespace nencho
