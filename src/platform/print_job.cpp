#include "platform/print_job.h"

namespace nencho {

void printDocument(PageOpener& opener, const std::string& documentName,
                   const std::function<void(PrinterPage&)>& draw) {
    std::unique_ptr<PrinterPage> page = opener.open(documentName);
    try {
        draw(*page);
        page->endDocument();
    } catch (...) {
        page->abort();
        throw;
    }
}

}  // namespace nencho
