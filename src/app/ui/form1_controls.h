#pragma once
// The main window's controls that other screens write, press or read.
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

}  // namespace nencho::form1
