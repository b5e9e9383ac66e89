#include "support/recording_pages.h"

#include "platform/ui/printer_pages.h"

namespace nencho::test {

namespace {

// Hands every operation to a recording page that outlives the print job.
class SharedRecordingPage : public PrinterPage {
  public:
    explicit SharedRecordingPage(std::shared_ptr<RecordingPage> page) : page_(std::move(page)) {}
    void setFontName(std::string_view name) override { page_->setFontName(name); }
    void setFontSize(double points) override { page_->setFontSize(points); }
    void setLineWidth(double millimetres) override { page_->setLineWidth(millimetres); }
    void setCurrentX(double millimetres) override { page_->setCurrentX(millimetres); }
    void setCurrentY(double millimetres) override { page_->setCurrentY(millimetres); }
    double currentX() const override { return page_->currentX(); }
    double currentY() const override { return page_->currentY(); }
    void printText(std::string_view utf8) override { page_->printText(utf8); }
    double textWidth(std::string_view utf8) const override { return page_->textWidth(utf8); }
    void drawLine(double x1, double y1, double x2, double y2) override {
        page_->drawLine(x1, y1, x2, y2);
    }
    void drawImage(std::string_view name, double left, double top, double width,
                   double height) override {
        page_->drawImage(name, left, top, width, height);
    }
    void endDocument() override { page_->endDocument(); }
    void abort() override { page_->abort(); }

  private:
    std::shared_ptr<RecordingPage> page_;
};

}  // namespace

std::unique_ptr<PrinterPage> RecordingPageOpener::open(const std::string& documentName) {
    if (noPrinter)
        throw PrinterFailure("プリンターがインストールされていないため、印刷できません。");
    auto page = std::make_shared<RecordingPage>();
    documents.push_back({documentName, page});
    return std::make_unique<SharedRecordingPage>(page);
}

RecordedPrinting::RecordedPrinting() {
    auto opener = std::make_unique<RecordingPageOpener>();
    opener_ = opener.get();
    setPageOpener(std::move(opener));
}

RecordedPrinting::~RecordedPrinting() {
    setPageOpener(nullptr);
}

}  // namespace nencho::test
