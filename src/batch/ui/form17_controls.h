#pragma once
// The batch printing screen's controls that the print screen writes or presses, and those the
// tests drive.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form17 {

inline constexpr const char* kForm = "Form17";
// The hand-over from the print screen.
inline constexpr const char* kYearBox = "Text10";
using work_screen::kYearButton;
inline constexpr const char* kEraYearBox = "Text9";  // the two digits of the working year
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kLoadButton = "Command5";  // データ呼出: the person's print data

// The last-number probe and the code it found last.
inline constexpr const char* kProbeButton = "Command7";
inline constexpr const char* kLastCodeBox = "Text11";

// 全員の一括印刷: every person from code 1.
inline constexpr const char* kAllStatementsButton = "Command2";
inline constexpr const char* kAllLedgersButton = "Command1";
inline constexpr const char* kAllDependantsButton = "Command3";
inline constexpr const char* kAllInsuranceButton = "Command4";

// 特定の印刷: the persons of a typed range of codes.
inline constexpr const char* kFirstCodeBox = "Text1";
inline constexpr const char* kLastCodeRangeBox = "Text3";
inline constexpr const char* kRangeClearButton = "Command14";  // Ｃ
inline constexpr const char* kSameCodeButton = "Command15";    // 同
inline constexpr const char* kRangeStatementsButton = "Command9";
inline constexpr const char* kRangeLedgersButton = "Command10";
inline constexpr const char* kRangeDependantsButton = "Command11";
inline constexpr const char* kRangeInsuranceButton = "Command13";

// The hidden document buttons: one page for the person loaded.
inline constexpr const char* kStatementButton = "Command12";
inline constexpr const char* kLedgerButton = "Command16";
inline constexpr const char* kDependantsButton = "Command17";
inline constexpr const char* kInsuranceButton = "Command18";

inline constexpr const char* kEndButton = "Command6";  // ＥＮＤ

}  // namespace nencho::form17
