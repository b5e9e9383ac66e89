#include "platform/ui/printer_pages.h"

#include "platform/ui/qt_printer_page.h"

namespace nencho {

namespace {

std::unique_ptr<PageOpener>& openerSlot() {
    static std::unique_ptr<PageOpener> opener;
    return opener;
}

}  // namespace

PageOpener& pageOpener() {
    auto& opener = openerSlot();
    if (!opener) opener = std::make_unique<DefaultPrinterOpener>();
    return *opener;
}

void setPageOpener(std::unique_ptr<PageOpener> opener) {
    openerSlot() = std::move(opener);
}

std::unique_ptr<PrinterPage> DefaultPrinterOpener::open(const std::string& documentName) {
    return QtPrinterPage::onDefaultPrinter(documentName);
}

}  // namespace nencho
