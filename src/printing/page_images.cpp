#include "printing/page_images.h"

namespace nencho {

std::vector<std::string_view> pageImageNames() {
    return {kLedgerImage, kDependantsDeclarationImage, kInsuranceDeclarationImage};
}

const FormDrawing* pageImageForm(std::string_view name) {
    static const FormDrawing ledger = ledgerForm();
    static const FormDrawing dependants = dependantsDeclarationForm();
    static const FormDrawing insurance = insuranceDeclarationForm();
    if (name == kLedgerImage) return &ledger;
    if (name == kDependantsDeclarationImage) return &dependants;
    if (name == kInsuranceDeclarationImage) return &insurance;
    return nullptr;
}

}  // namespace nencho
