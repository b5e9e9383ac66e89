#pragma once
// The printer window, which other screens only show.
namespace nencho::form19 {

inline constexpr const char* kForm = "Form19";

}  // namespace nencho::form19
