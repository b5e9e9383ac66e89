#pragma once
// A page opener for tests: every document opened is kept with its recording page, and an
// opener can act as if no printer were installed.
#include <memory>
#include <string>
#include <vector>

#include "platform/print_job.h"
#include "platform/recording_page.h"

namespace nencho::test {

class RecordingPageOpener : public PageOpener {
  public:
    struct Document {
        std::string name;
        std::shared_ptr<RecordingPage> page;
    };

    std::unique_ptr<PrinterPage> open(const std::string& documentName) override;

    // Documents ended, or aborted, in the order they were opened.
    std::vector<Document> documents;
    bool noPrinter = false;  // opening fails as it does with no printer installed
};

// Installs a recording opener for the life of the object and restores the default after.
class RecordedPrinting {
  public:
    RecordedPrinting();
    ~RecordedPrinting();
    RecordedPrinting(const RecordedPrinting&) = delete;
    RecordedPrinting& operator=(const RecordedPrinting&) = delete;

    RecordingPageOpener& opener() { return *opener_; }
    const std::vector<RecordingPageOpener::Document>& documents() const {
        return opener_->documents;
    }

  private:
    RecordingPageOpener* opener_;
};

}  // namespace nencho::test
