#pragma once
// The main window's controls that other screens write, press or read, and those its own code
// touches.
namespace nencho::form1 {

inline constexpr const char* kForm = "Form1";
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kCompanyList = "List1";
inline constexpr const char* kPersonList = "List2";
inline constexpr const char* kLedgerButton = "Command1";            // 源泉徴収簿
inline constexpr const char* kCloseFilesButton = "Command7";        // ファイル閉鎖, hidden
inline constexpr const char* kEndButton = "Command8";               // 終了
inline constexpr const char* kClearPersonButton = "Command9";       // C of the person
inline constexpr const char* kClearCompanyButton = "Command10";     // C of the company
inline constexpr const char* kPersonLoadButton = "Command11";       // 個人名
inline constexpr const char* kCompanyLoadButton = "Command12";      // 法人名
inline constexpr const char* kNextPersonButton = "Command14";       // 次の人
inline constexpr const char* kPreviousPersonButton = "Command15";   // 前の人
inline constexpr const char* kFillCompanyListButton = "Command19";  // 表示, hidden
inline constexpr const char* kYearEndButton = "Command2";           // 年末調整
inline constexpr const char* kInsuranceButton = "Command3";         // 保険等
inline constexpr const char* kDependantsButton = "Command4";        // 扶養控除等
inline constexpr const char* kCompanyScreenButton = "Command5";     // 会社登録
inline constexpr const char* kPrintButton = "Command6";             // 印刷
inline constexpr const char* kPersonScreenButton = "Command13";     // 個人登録
inline constexpr const char* kDataMaintenanceButton = "Command16";  // データ
inline constexpr const char* kStartFromListButton = "Command17";  // 初期画面 under the person list
inline constexpr const char* kStartButton = "Command18";          // 初期画面 of the menu
inline constexpr const char* kSummaryButton = "Command20";        // 集計表
inline constexpr const char* kSpouseHousingButton = "Command21";  // 配偶者特別控除住宅取得控除
// 前の人 and 次の人 under the person list.
inline constexpr const char* kPreviousListedPersonButton = "Command23";
inline constexpr const char* kNextListedPersonButton = "Command24";
inline constexpr const char* kAllPersonsButton = "Command25";  // 個人名全員表示
inline constexpr const char* kHomePageButton = "Command26";
inline constexpr const char* kMailButton = "Command27";
inline constexpr const char* kSupportButton = "Command28";
inline constexpr const char* kPrinterButton = "Command30";  // プリンターの変更
inline constexpr const char* kYearLabel = "Label1";
inline constexpr const char* kYear13Option = "Option1";
inline constexpr const char* kYear14Option = "Option2";
inline constexpr const char* kYear17Option = "Option5";

}  // namespace nencho::form1
