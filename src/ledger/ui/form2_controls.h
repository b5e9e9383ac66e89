#pragma once
// The ledger screen's controls that other screens write or press, and the names of its row
// buttons, which do not follow the row order.
#include <QString>

#include "platform/ui/work_screen_controls.h"

namespace nencho::form2 {

inline constexpr const char* kForm = "Form2";

// Put together without a format string: a load or a clear names hundreds of boxes.
inline QString command(int number) {
    return QStringLiteral("Command") + QString::number(number);
}
inline QString boxName(int number) {
    return QStringLiteral("Text") + QString::number(number);
}

// 計算実行 of months 1 to 12 and of bonuses 1 to 3.
inline QString monthComputeButton(int month) {
    return command(month == 1 ? 1 : month + 4);  // 1, then 6 to 16
}
inline QString bonusComputeButton(int bonus) {
    return command(17 + bonus);
}  // 18 to 20

// The copy-forward buttons left of the month rows: 24 to 35.
inline QString copyButton(int month) {
    return command(23 + month);
}

// The row-clear buttons right of the month rows: 47 down to 38, then 23 and 5.
inline QString rowClearButton(int month) {
    if (month == 11) return command(23);
    if (month == 12) return command(5);
    return command(48 - month);
}

// The 給与明細 buttons: 4, then 48 to 58.
inline QString payStatementButton(int month) {
    return command(month == 1 ? 4 : 46 + month);
}

inline constexpr const char* kMonthTotalsButton = "Command17";
inline constexpr const char* kBonusTotalsButton = "Command21";
inline constexpr const char* kSaveButton = "Command22";
inline constexpr const char* kLoadButton = "Command2";
inline constexpr const char* kDisplayClearButton = "Command3";
inline constexpr const char* kEndButton = "Command37";
using work_screen::kYearButton;
inline constexpr const char* kYearBox = "Text10";
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kPresetCounterBox = "Text2";
inline constexpr const char* kDeleteButton = "Command59";        // データ削除
inline constexpr const char* kPayDayPresetButton = "Command60";  // 日, over the day column

}  // namespace nencho::form2
