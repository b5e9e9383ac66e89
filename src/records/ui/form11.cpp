#include "records/ui/form11.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ui/form1_controls.h"
#include "common/keys.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/key_press.h"
#include "platform/ui/screens.h"
#include "records/company_file.h"
#include "records/ui/form11_controls.h"

namespace nencho {

namespace {

constexpr int kMarkLeft = 120;
constexpr int kCaptionLeft = 420;
constexpr int kBoxLeft = 1920;
constexpr int kRowHeight = 360;

// The boxes the user types in, in the order Enter and Tab move through them.
const char* const kEntryBoxes[] = {form11::kCompanyCodeBox, form11::kNameBox, form11::kTaxPlaceBox,
                                   form11::kPhoneBox};

// Boxes whose Enter moves on: the entry boxes and the hidden value boxes.
const char* const kReturnNextBoxes[] = {form11::kCompanyCodeBox,
                                        form11::kNameBox,
                                        form11::kTaxPlaceBox,
                                        form11::kPhoneBox,
                                        form11::kReadingBox,
                                        form11::kRepresentativeReadingBox,
                                        form11::kRepresentativeNameBox,
                                        form11::kRepresentativeAddressBox,
                                        form11::kBusinessTypeBox,
                                        form11::kTaxOfficeBox,
                                        form11::kCapitalBox,
                                        form11::kStartYearBox,
                                        form11::kStartMonthBox,
                                        form11::kStartDayBox,
                                        form11::kEndYearBox,
                                        form11::kEndMonthBox,
                                        form11::kEndDayBox,
                                        form11::kSettlementYearBox,
                                        form11::kSettlementMonthBox,
                                        form11::kSettlementDayBox};

}  // namespace

Form11::Form11() : WorkScreen(form11::kForm, form11::kYearBox) {
    setWindowTitle("会社登録");
    setDesignSize(9000, 5040);
    buildCodeRow();
    buildEntryRows();
    buildHiddenBoxes();
    buildButtons();
    setEntryOrder();
    // Opened from the main menu, the screen starts in the code box, also when the clerk left
    // the focus elsewhere the last time.
    setOpeningControl(controlWidget(form11::kCompanyCodeBox));
    for (const char* name : kReturnNextBoxes)
        connect(control<QLineEdit>(name), &QLineEdit::returnPressed, this,
                [this] { ReturnNext(kEnterKeyCode); });
}

void Form11::enterNextCompany() {
    // The code is selected, so that the next company's code typed replaces it.
    auto* first = control<QLineEdit>(kEntryBoxes[0]);
    first->selectAll();
    first->setFocus(Qt::TabFocusReason);
}

void Form11::ReturnNext(std::uint16_t keyCode) {
    if (keyCode == kEnterKeyCode) dialogs().sendTab();
}

QLineEdit* Form11::addMark(const QString& name, int top) {
    QLineEdit* mark = addText(name, kMarkLeft, top, 240, kRowHeight);
    mark->setText("*");
    mark->setReadOnly(true);
    mark->setFocusPolicy(Qt::NoFocus);
    return mark;
}

QLineEdit* Form11::addHiddenBox(const QString& name, int left, int top, int width) {
    QLineEdit* box = addText(name, left, top, width, kRowHeight);
    box->hide();
    return box;
}

void Form11::buildCodeRow() {
    addMark("Text26", 360);
    // The caption of the code box: it empties the fields, and the focus passes it by, so that
    // the screen opens in the code box.
    captionButton(addButton(form11::kClearButton, "会社コード", kCaptionLeft, 360, 1440, kRowHeight,
                            [this] { clearFields(); }));
    showsUpTo(addText(form11::kCompanyCodeBox, kBoxLeft, 360, 1080, kRowHeight),
              QString::number(kLastCompanyCode));
    addButton(form11::kLoadButton, "会社呼出", 3060, 360, 1200, kRowHeight,
              [this] { loadCompany(); });
    addButton("Command7", "DATA", 4320, 360, 900, kRowHeight, [this] { loadMenuCompany(); });
    addButton("Command11", "法人税ファイルより呼出", 5340, 360, 3360, kRowHeight,
              [this] { prefillFromCorporateTax(); });
}

void Form11::buildEntryRows() {
    addMark("Text27", 960);
    addLabel("Label1", "法人名", kCaptionLeft, 960, 1440, kRowHeight);
    showsUpTo(addText(form11::kNameBox, kBoxLeft, 960, 4800, kRowHeight),
              fullWidthText(kCompanyNameLength));
    addButton("Command1", "㈱", 6780, 960, 480, kRowHeight,
              [this] { setTextOf(form11::kNameBox, "株式会社"); });
    addButton("Command2", "㈲", 7320, 960, 480, kRowHeight,
              [this] { setTextOf(form11::kNameBox, "有限会社"); });
    addMark("Text28", 1560);
    addLabel("Label2", "納税地", kCaptionLeft, 1560, 1440, kRowHeight);
    showsUpTo(addText(form11::kTaxPlaceBox, kBoxLeft, 1560, 6360, kRowHeight),
              fullWidthText(kTaxPlaceLength));
    addMark("Text29", 2160);
    addLabel("Label3", "電話番号", kCaptionLeft, 2160, 1440, kRowHeight);
    showsUpTo(addText(form11::kPhoneBox, kBoxLeft, 2160, 2400, kRowHeight),
              QString(kPhoneLength, '0'));
    addMark("Text30", 2880);
    addLabel("Label4", "は登録必要事項。", kCaptionLeft, 2880, 2400, kRowHeight);
    addLabel("Label5", "個人の場合は、会社を個人に読み替える。", kCaptionLeft, 3360, 6000,
             kRowHeight);
}

// The values only a load or a prefill fills, each with its caption, all hidden.
void Form11::buildHiddenBoxes() {
    struct Row {
        const char* label;
        const char* caption;
        const char* box;
        int top;
    };
    const Row rows[] = {
        {"Label6", "フリガナ", form11::kReadingBox, 5160},
        {"Label7", "代表者フリガナ", form11::kRepresentativeReadingBox, 5580},
        {"Label8", "代表者氏名", form11::kRepresentativeNameBox, 6000},
        {"Label9", "代表者住所", form11::kRepresentativeAddressBox, 6420},
        {"Label10", "事業種目", form11::kBusinessTypeBox, 6840},
        {"Label11", "税務署名", form11::kTaxOfficeBox, 7260},
        {"Label13", "資本金額", form11::kCapitalBox, 7680},
    };
    for (const Row& row : rows) {
        addLabel(row.label, row.caption, kCaptionLeft, row.top, 1440, kRowHeight)->hide();
        addHiddenBox(row.box, kBoxLeft, row.top, 4800);
    }
    addLabel("Label12", "税務署", 6780, 7260, 720, kRowHeight)->hide();
    addLabel("Label14", "円", 6780, 7680, 360, kRowHeight)->hide();

    const char* const dateRows[][3] = {
        {form11::kStartYearBox, form11::kStartMonthBox, form11::kStartDayBox},
        {form11::kEndYearBox, form11::kEndMonthBox, form11::kEndDayBox},
        {form11::kSettlementYearBox, form11::kSettlementMonthBox, form11::kSettlementDayBox}};
    const int dateTops[] = {8100, 8520, 8940};
    for (int row = 0; row < 3; ++row)
        for (int part = 0; part < 3; ++part)
            addHiddenBox(dateRows[row][part], kBoxLeft + part * 840, dateTops[row], 720);
    control<QLineEdit>(form11::kStartDayBox)->setText("1");
    addHiddenText(form11::kMenuCompanyBox);
}

void Form11::buildButtons() {
    addButton("Command10", "menu", kCaptionLeft, 4200, 1800, 480,
              [] { screens::show(form1::kForm); });
    addButton(form11::kRegisterButton, "登録実行", 6780, 4200, 1800, 480,
              [this] { registerCompany(); });
    auto hiddenButton = [this](const char* name, const char* caption, int left, int top,
                               std::function<void()> action = {}) {
        addButton(name, caption, left, top, 1440, kRowHeight, std::move(action))->hide();
    };
    hiddenButton(form11::kBusinessYearButton, "事業年度", kCaptionLeft, 8100,
                 [this] { takeBusinessYear(); });
    hiddenButton("Command8", "決算確定日", kCaptionLeft, 8940);
    hiddenButton(form11::kIndividualButton, "個人", 4560, 8100, [this] { setIndividualValues(); });
    hiddenButton("Command5", "百万", 7560, 7680);
    hiddenButton("Command13", "旧データを新データへの書き換え/代表者", 4560, 8520);
}

void Form11::setEntryOrder() {
    // Enter walks these boxes in this order and ends on 登録実行, so that a company is typed and
    // registered with the keys alone.
    keepOwnTabOrder();
    for (std::size_t i = 1; i < std::size(kEntryBoxes); ++i)
        setTabOrder(control<QWidget>(kEntryBoxes[i - 1]), control<QWidget>(kEntryBoxes[i]));
    setTabOrder(control<QWidget>(kEntryBoxes[std::size(kEntryBoxes) - 1]),
                control<QWidget>(form11::kRegisterButton));
}

}  // namespace nencho
