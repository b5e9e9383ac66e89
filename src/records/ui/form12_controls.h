#pragma once
// The data maintenance screen's controls that other screens write, press or hide.
namespace nencho::form12 {

inline constexpr const char* kForm = "Form12";
inline constexpr const char* kYearBox = "Text10";
inline constexpr const char* kYearButton = "Command36";
inline constexpr const char* kDeletionNotice = "Label3";  // 会社・従業員全員の削除が完了しました
// The boxes the main menu empties when it opens the screen.
inline constexpr const char* kCompanyCodeBox = "Text1";
inline constexpr const char* kCompanyNameBox = "Text2";
inline constexpr const char* kPersonNameBox = "Text3";
inline constexpr const char* kPersonCodeBox = "Text4";
inline constexpr const char* kBackupCompanyNameBox = "Text7";
inline constexpr const char* kRestoreCompanyNameBox = "Text6";

}  // namespace nencho::form12
