#pragma once
// The reference panel, which other screens only show and hide.
namespace nencho::form18 {

inline constexpr const char* kForm = "Form18";

}  // namespace nencho::form18
