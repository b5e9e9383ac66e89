#pragma once
// The page images the printouts draw first: our own drawings of the three forms, each described
// in millimetres on the page and rendered once into a 1-bit picture of 3507 x 2481 pixels at
// 300 dpi (A4 landscape).
#include <string_view>
#include <vector>

#include "printing/form_drawing.h"

namespace nencho {

inline constexpr std::string_view kLedgerImage = "withholding-ledger";
inline constexpr std::string_view kDependantsDeclarationImage = "dependants-declaration";
inline constexpr std::string_view kInsuranceDeclarationImage = "insurance-declaration";

inline constexpr int kPageImageWidthPixels = 3507;
inline constexpr int kPageImageHeightPixels = 2481;
inline constexpr int kPageImageDotsPerInch = 300;

FormDrawing ledgerForm();
FormDrawing dependantsDeclarationForm();
FormDrawing insuranceDeclarationForm();

// The three images' names.
std::vector<std::string_view> pageImageNames();
// The drawing of the image of that name; nullptr for a name no form has.
const FormDrawing* pageImageForm(std::string_view name);

}  // namespace nencho
