#pragma once
// The CUPS scheduler as the program meets it before any request: whether it can be reached at
// all, and the clerk's words when it cannot, which the print presses and the printer window
// share.
#include <string>
#include <string_view>

namespace nencho {

// Whether the scheduler takes a connection at all; no request is sent.
bool schedulerReachable();

// libcups' own text of its last failure.
std::string libcupsText();

// The clerk's words for a scheduler that cannot be reached, on a line of their own: what is
// wrong, then what to check before doing again what failed (tryAgain: "印刷して", "設定して").
// libcups' reason is meant to follow them.
std::string unreachableSchedulerText(std::string_view tryAgain);

}  // namespace nencho
