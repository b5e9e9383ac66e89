#include "printing/page_images.h"

namespace nencho {

FormDrawing insuranceDeclarationForm() {
    FormBuilder form(291, 208);
    return form.take();
}

}  // namespace nencho
