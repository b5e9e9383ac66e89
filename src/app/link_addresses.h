#pragma once
// The addresses behind the main menu's three link buttons, and how a mail address is opened.
#include <string>
#include <string_view>

namespace nencho {

inline constexpr const char* kHomePageAddress = "https://www.velkor.example.jp/";
inline constexpr const char* kMailAddress = "support@velkor.example.jp";
inline constexpr const char* kSupportForumAddress =
    "https://www.velkor.example.jp/support/bbs.cgi?";

// The address as a "mailto:" link: prefixed unless it already begins so, in any letter case.
std::string mailLinkTarget(std::string_view address);

}  // namespace nencho
