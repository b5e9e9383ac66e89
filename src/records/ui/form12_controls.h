#pragma once
// The data maintenance screen's controls that other screens write, press or hide, and those its
// own code touches.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form12 {

inline constexpr const char* kForm = "Form12";
inline constexpr const char* kYearBox = "Text10";
using work_screen::kYearButton;
inline constexpr const char* kDeletionNotice = "Label3";  // 会社・従業員全員の削除が完了しました
// The boxes the main menu empties when it opens the screen.
inline constexpr const char* kCompanyCodeBox = "Text1";
inline constexpr const char* kCompanyNameBox = "Text2";
inline constexpr const char* kPersonNameBox = "Text3";
inline constexpr const char* kPersonCodeBox = "Text4";
inline constexpr const char* kBackupCompanyNameBox = "Text7";
inline constexpr const char* kRestoreCompanyNameBox = "Text6";
inline constexpr const char* kPersonLoadButton = "Command4";    // 個人呼出
inline constexpr const char* kCompanyLoadButton = "Command6";   // 会社呼出
inline constexpr const char* kClearButton = "Command8";         // クリア
inline constexpr const char* kCompanyListButton = "Command12";  // 表示
inline constexpr const char* kCompanyList = "List1";
inline constexpr const char* kPersonList = "List2";
inline constexpr const char* kNewPersonCodeBox = "Text5";  // the code a person is copied to
// The drive chosen and the run's progress, of the backup and of the restore.
inline constexpr const char* kBackupDriveList = "Drive1";
inline constexpr const char* kRestoreDriveList = "Drive2";
inline constexpr const char* kBackupProgressBar = "ProgressBar1";
inline constexpr const char* kRestoreProgressBar = "ProgressBar2";

}  // namespace nencho::form12
