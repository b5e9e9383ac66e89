#include "platform/recording_page.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/print_job.h"

namespace nencho {
namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;

TEST(RecordingPage, LogsASamplePageInOrderWithTheFontAndWidthInForce) {
    RecordingPage page;
    page.setFontName("MS 明朝");
    page.setFontSize(11);
    page.moveTo(24, 29);
    page.printText("平成");
    page.setLineWidth(pixelsAt300DpiToMillimetres(6));
    page.drawLine(10, 20, 110, 20);
    page.drawImage("ledger", 0, 0, 296, 209);
    page.endDocument();

    EXPECT_EQ(page.log(),
              "font MS 明朝\n"
              "size 11.000\n"
              "text (24.000, 29.000) 平成\n"
              "width 0.508\n"
              "line (10.000, 20.000)-(110.000, 20.000)\n"
              "image (0.000, 0.000)-(296.000, 209.000) ledger\n"
              "end\n");
    const auto texts = page.operationsOf(PrintOperation::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].fontName, "MS 明朝");
    EXPECT_DOUBLE_EQ(texts[0].fontSize, 11);
    EXPECT_DOUBLE_EQ(page.operationsOf(PrintOperation::Kind::Line)[0].lineWidth, 0.508);
    // Printing a text leaves the current position where it was.
    EXPECT_DOUBLE_EQ(page.currentX(), 24);
    EXPECT_DOUBLE_EQ(page.currentY(), 29);
}

TEST(RecordingPage, MeasuresHalfWidthCharactersAsHalfAnEm) {
    struct Case {
        const char* text;
        double ems;
    };
    const Case cases[] = {
        {"", 0},         {"12,300", 3}, {" 5", 1},   {"円", 1},
        {"年調定率", 4}, {"ｱｲ", 1},     {"１２", 2}, {"内 1,000", 4},
    };
    RecordingPage page;
    page.setFontSize(10);
    for (const Case& c : cases)
        EXPECT_NEAR(page.textWidth(c.text), c.ems * 10 * kMillimetresPerPoint, 1e-9) << c.text;
}

// The job's page is destroyed when the job ends, so record into a page that logs into a
// string the test keeps.
class LoggingPage : public RecordingPage {
  public:
    explicit LoggingPage(std::string& log) : log_(log) {}
    ~LoggingPage() override { log_ = log(); }

  private:
    std::string& log_;
};

class LoggingOpener : public PageOpener {
  public:
    std::unique_ptr<PrinterPage> open(const std::string& name) override {
        names.push_back(name);
        return std::make_unique<LoggingPage>(log);
    }
    std::vector<std::string> names;
    std::string log;
};

TEST(PrintDocument, EndsTheDocumentAfterTheDrawing) {
    LoggingOpener opener;
    printDocument(opener, "ledger", [](PrinterPage& page) { page.printText("A"); });
    EXPECT_EQ(opener.names, std::vector<std::string>{"ledger"});
    EXPECT_EQ(opener.log, "text (0.000, 0.000) A\nend\n");
}

TEST(PrintDocument, AFailedDrawingAbortsThePageAndReachesTheCaller) {
    LoggingOpener opener;
    EXPECT_THROW(printDocument(opener, "ledger",
                               [](PrinterPage& page) {
                                   page.printText("A");
                                   throw PrinterFailure("紙がありません。");
                               }),
                 PrinterFailure);
    EXPECT_EQ(opener.log, "text (0.000, 0.000) A\nabort\n");

    EXPECT_THROW(
        printDocument(opener, "ledger", [](PrinterPage&) { throw std::out_of_range("index"); }),
        std::out_of_range);
    EXPECT_EQ(opener.log, "abort\n");
}

}  // namespace
}  // namespace nencho
