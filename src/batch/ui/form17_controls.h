#pragma once
// The batch printing screen's controls that the print screen writes or presses.
namespace nencho::form17 {

inline constexpr const char* kForm = "Form17";

}  // namespace nencho::form17
