#pragma once
// The company screen's controls that other screens write or press, and those its own code touches.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form11 {

inline constexpr const char* kForm = "Form11";
inline constexpr const char* kYearBox = "Text24";
using work_screen::kYearButton;
inline constexpr const char* kMenuCompanyBox = "Text23";  // the main menu's company code
inline constexpr const char* kClearButton = "Command9";   // 会社コード
inline constexpr const char* kCompanyCodeBox = "Text1";
// The user types the code, the name, the tax place and the phone; the other boxes are hidden
// and only a load or a prefill fills them.
inline constexpr const char* kReadingBox = "Text2";
inline constexpr const char* kNameBox = "Text3";
inline constexpr const char* kTaxPlaceBox = "Text5";
inline constexpr const char* kRepresentativeReadingBox = "Text6";
inline constexpr const char* kRepresentativeNameBox = "Text25";
inline constexpr const char* kRepresentativeAddressBox = "Text7";
inline constexpr const char* kBusinessTypeBox = "Text8";
inline constexpr const char* kTaxOfficeBox = "Text9";
inline constexpr const char* kCapitalBox = "Text11";
inline constexpr const char* kPhoneBox = "Text12";
inline constexpr const char* kStartYearBox = "Text13";  // the business year's start
inline constexpr const char* kStartMonthBox = "Text14";
inline constexpr const char* kStartDayBox = "Text15";
inline constexpr const char* kEndYearBox = "Text17";  // the business year's end
inline constexpr const char* kEndMonthBox = "Text18";
inline constexpr const char* kEndDayBox = "Text19";
inline constexpr const char* kSettlementYearBox = "Text21";
inline constexpr const char* kSettlementMonthBox = "Text20";
inline constexpr const char* kSettlementDayBox = "Text4";
inline constexpr const char* kBusinessYearButton = "Command3";  // 事業年度, hidden
inline constexpr const char* kLoadButton = "Command6";          // 会社呼出
inline constexpr const char* kIndividualButton = "Command12";   // 個人, hidden
inline constexpr const char* kRegisterButton = "Command4";      // 登録実行

}  // namespace nencho::form11
