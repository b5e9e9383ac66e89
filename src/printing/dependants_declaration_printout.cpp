#include "printing/printouts.h"

namespace nencho {

// Not drawn yet: the page stays blank.
void printDependantsDeclaration(PrinterPage&, const PrintData&) {}

}  // namespace nencho
