#pragma once
// The page images the printouts draw by name, each provided by a function that makes it. An
// image is made on first use and kept for the life of the program.
#include <QImage>
#include <functional>
#include <string>

namespace nencho {

using PageImageProvider = std::function<QImage()>;

// Registers (or replaces) the image of a name.
void registerPageImage(const std::string& name, PageImageProvider provider);
bool hasPageImage(const std::string& name);

// The image of the name. A 1-bit image comes back as Format_Mono with the colour table
// {black, white}, which a PDF keeps as a small lossless image. Throws PrinterFailure for a name
// nobody registered or an image its provider could not make.
const QImage& pageImage(const std::string& name);

// A 1-bit image in the form printers and PDF files keep best: Format_Mono, black first.
QImage monoForPrinting(QImage image);

}  // namespace nencho
