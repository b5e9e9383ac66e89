#pragma once
// A print job of one page: the page is opened on the default printer, the printout draws on
// it, and the document is ended. A printout that fails drops its page, so nothing half drawn
// reaches the printer.
#include <functional>
#include <memory>
#include <string>

#include "platform/printer_page.h"

namespace nencho {

// Opens pages: the program's opener prints on the system's default printer, the tests' opener
// records.
class PageOpener {
  public:
    virtual ~PageOpener() = default;
    // A fresh page of a new document. Throws PrinterFailure when there is no printer to print
    // on; ending the page's document throws it when the printer refuses the job.
    virtual std::unique_ptr<PrinterPage> open(const std::string& documentName) = 0;
};

// Opens a page, lets the printout draw it and ends the document. When drawing or ending
// fails the page is aborted and the failure goes on to the caller.
void printDocument(PageOpener& opener, const std::string& documentName,
                   const std::function<void(PrinterPage&)>& draw);

}  // namespace nencho
