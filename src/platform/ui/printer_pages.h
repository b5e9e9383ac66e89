#pragma once
// Where the screens' printouts go: by default a page on the system's default printer; tests
// install an opener that records.
#include <memory>

#include "platform/print_job.h"

namespace nencho {

PageOpener& pageOpener();
// Installs an opener; none restores the default printer's.
void setPageOpener(std::unique_ptr<PageOpener> opener);

// Pages on the system's default printer.
class DefaultPrinterOpener : public PageOpener {
  public:
    std::unique_ptr<PrinterPage> open(const std::string& documentName) override;
};

}  // namespace nencho
