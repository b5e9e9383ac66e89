#pragma once
// The page images as pictures: a form's drawing rendered into a 1-bit image of 3507 x 2481
// pixels at 300 dpi whose colour table is black then white, so that a PDF keeps it as a small
// lossless image.
#include <QImage>
#include <string_view>

#include "printing/form_drawing.h"

namespace nencho {

// Renders the drawing, stretched over the whole image as the printouts stretch the image over
// the drawing's page rectangle.
QImage renderFormImage(const FormDrawing& drawing);

// The page image of that name; a null image for a name no form has.
QImage renderPageImage(std::string_view name);

// Gives the printer pages the three forms' images by name; each is rendered when a page first
// draws it and kept from then on. Calling it again changes nothing.
void registerFormPageImages();

}  // namespace nencho
