#pragma once
// The work screens the main menu hides together.
#include <array>
#include <string_view>

#include "batch/ui/form17_controls.h"
#include "ledger/ui/form2_controls.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form6_controls.h"
#include "withholding/ui/form8_controls.h"
#include "withholding/ui/form9_controls.h"
#include "yearend/ui/form16_controls.h"
#include "yearend/ui/form18_controls.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5_controls.h"

namespace nencho::form1 {

// The screens that may show a person: hidden when the person or the company is cleared, when
// another company is chosen and when the year changes, so that none goes on showing the former
// choice.
inline constexpr std::array<const char*, 8> kPersonScreens{form2::kForm, form3::kForm, form4::kForm,
                                                           form5::kForm, form6::kForm, form7::kForm,
                                                           form8::kForm, form9::kForm};
// The screens of the company as a whole, hidden with the person's at start-up and when the
// company is cleared.
inline constexpr std::array<const char*, 3> kCompanyOnlyScreens{form16::kForm, form17::kForm,
                                                                form18::kForm};
// Of those, the screens without a year button.
inline constexpr std::array<std::string_view, 2> kWithoutYearButton{form9::kForm, form18::kForm};

}  // namespace nencho::form1
