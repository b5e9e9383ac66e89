#include "platform/ui/qt_printer_page.h"

#include <cups/cups.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <thread>

#include "platform/ui/cups_queue.h"
#include "platform/ui/page_image_registry.h"
#include "platform/ui/printer_pages.h"
#include "support/screen_test.h"
#include "support/test_queues.h"

// Every job request the program makes, counted on its way to libcups.
static std::atomic<int> jobRequests{0};

extern "C" ipp_status_t cupsCreateDestJob(http_t* http, cups_dest_t* dest, cups_dinfo_t* info,
                                          int* jobId, const char* title, int optionCount,
                                          cups_option_t* options) {
    ++jobRequests;
    using Create = ipp_status_t (*)(http_t*, cups_dest_t*, cups_dinfo_t*, int*, const char*, int,
                                    cups_option_t*);
    static const auto create = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "cupsCreateDestJob"));
    return create(http, dest, info, jobId, title, optionCount, options);
}

namespace nencho {
namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;

struct Word {
    QString text;
    double left = 0;  // points from the page's left edge
    double top = 0;   // points from the page's top edge
};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of the first page with its box, as poppler reads it back.
std::vector<Word> wordsOf(const QString& pdf) {
    const QString layout = run("pdftotext", {"-bbox-layout", pdf, "-"});
    std::vector<Word> words;
    static const QRegularExpression wordPattern(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    for (auto match = wordPattern.globalMatch(layout); match.hasNext();) {
        const auto found = match.next();
        words.push_back(
            {found.captured(3), found.captured(1).toDouble(), found.captured(2).toDouble()});
    }
    return words;
}

std::optional<Word> findWord(const std::vector<Word>& words, const QString& text) {
    for (const Word& word : words)
        if (word.text == text) return word;
    return std::nullopt;
}

// Draws the sample page every real-page test prints: texts at known corners, a rule, a box.
void drawSamplePage(PrinterPage& page) {
    page.setFontName("MS 明朝");
    page.setFontSize(12);
    page.moveTo(24, 29);
    page.printText("平成");
    page.setFontSize(10);
    page.moveTo(100, 50);
    page.printText("12,300");
    page.moveTo(200.5, 150.25);
    page.printText("源泉徴収簿");
    page.setLineWidth(pixelsAt300DpiToMillimetres(6));
    page.drawLine(20, 100, 270, 100);
    page.setLineWidth(10);
    page.drawLine(250, 180, 260, 180);  // a black patch 10 × 10 mm around (255, 180)
}

class QtPrinterPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        ASSERT_TRUE(folder.isValid());
    }
    std::string pdfPath(const char* name) const { return folder.filePath(name).toStdString(); }

    QTemporaryDir folder;
};

TEST_F(QtPrinterPageTest, APdfPageReadsBackAtTheCornersDrawn) {
    const std::string path = pdfPath("sample.pdf");
    auto page = QtPrinterPage::toPdfFile(path, "sample");
    drawSamplePage(*page);
    page->endDocument();

    const QString info = run("pdfinfo", {QString::fromStdString(path)});
    EXPECT_TRUE(
        info.contains(QRegularExpression(R"(Page size:\s+84[12](\.\d+)? x 595(\.\d+)? pts)")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(R"(Pages:\s+1\n)")));

    const auto words = wordsOf(QString::fromStdString(path));
    struct Expected {
        QString text;
        double left, top;  // millimetres
    };
    for (const Expected& expected : {Expected{"平成", 24, 29}, Expected{"12,300", 100, 50},
                                     Expected{"源泉徴収簿", 200.5, 150.25}}) {
        const auto word = findWord(words, expected.text);
        ASSERT_TRUE(word) << expected.text.toStdString();
        EXPECT_NEAR(word->left, expected.left * kPointsPerMillimetre, 0.3)
            << expected.text.toStdString();
        EXPECT_NEAR(word->top, expected.top * kPointsPerMillimetre, 0.5)
            << expected.text.toStdString();
    }
}

TEST_F(QtPrinterPageTest, APdfFileCanHoldManyPages) {
    const std::string path = pdfPath("pages.pdf");
    auto page = QtPrinterPage::toPdfFile(path, "pages");
    drawSamplePage(*page);
    page->newPage();
    drawSamplePage(*page);
    page->endDocument();
    const QString info = run("pdfinfo", {QString::fromStdString(path)});
    EXPECT_TRUE(info.contains(QRegularExpression(R"(Pages:\s+2\n)"))) << info.toStdString();
}

TEST_F(QtPrinterPageTest, MeasuresTheFormsMinchoFaceAsFullWidthIPAMincho) {
    auto page = QtPrinterPage::toPdfFile(pdfPath("widths.pdf"), "widths");
    page->setFontName("MS 明朝");
    page->setFontSize(10);
    const double em = 10 / kPointsPerMillimetre;
    struct Case {
        const char* text;
        double ems;
    };
    for (const Case& c : {Case{"12,300", 3}, Case{"年調定率控除額", 7}, Case{"内 1,000", 4}})
        EXPECT_NEAR(page->textWidth(c.text), c.ems * em, c.ems * em * 0.01) << c.text;
    for (const char* name : {"ＭＳ 明朝", "MS Mincho"}) {
        page->setFontName(name);
        EXPECT_NEAR(page->textWidth("年調"), 2 * em, 0.02 * em) << name;
    }
    page->abort();
}

TEST_F(QtPrinterPageTest, AnAbortedOrAbandonedPageLeavesNoFile) {
    const std::string aborted = pdfPath("aborted.pdf");
    auto page = QtPrinterPage::toPdfFile(aborted, "aborted");
    drawSamplePage(*page);
    page->abort();
    EXPECT_FALSE(std::filesystem::exists(aborted));
    EXPECT_THROW(page->printText("後"), PrinterFailure);

    const std::string abandoned = pdfPath("abandoned.pdf");
    QtPrinterPage::toPdfFile(abandoned, "abandoned")->printText("途中");
    EXPECT_FALSE(std::filesystem::exists(abandoned));
}

TEST_F(QtPrinterPageTest, PageImagesAreDrawnByNameAsSmallOneBitImages) {
    // A 1-bit picture whose colour table is white first: it must reach the page unchanged in
    // its look, as a lossless 1-bit image.
    QImage picture(3507, 2481, QImage::Format_Mono);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);
    for (int y = 100; y < 2400; y += 50)
        for (int x = 100; x < 3400; ++x) picture.setPixel(x, y, 1);
    registerPageImage("test-grid", [picture] { return picture; });

    const QImage& kept = pageImage("test-grid");
    EXPECT_EQ(kept.format(), QImage::Format_Mono);
    EXPECT_EQ(kept.colorTable(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    EXPECT_EQ(kept.pixel(200, 100), qRgb(0, 0, 0));
    EXPECT_EQ(kept.pixel(200, 101), qRgb(255, 255, 255));

    const std::string path = pdfPath("image.pdf");
    auto page = QtPrinterPage::toPdfFile(path, "image");
    page->drawImage("test-grid", 0, 0, 296, 209);
    EXPECT_THROW(page->drawImage("no-such-image", 0, 0, 10, 10), PrinterFailure);
    page->endDocument();
    EXPECT_LT(std::filesystem::file_size(path), 100'000u);
}

TEST_F(QtPrinterPageTest, WithNoPrintingServiceToReachTheOpenerSaysSoNotThatNoPrinterIsSetUp) {
    for (const std::string& server : test::unreachableServers()) {
        SCOPED_TRACE(server);
        test::NoPrintServer noServer(server);
        try {
            pageOpener().open("nothing");
            FAIL() << "a page opened without a printing service";
        } catch (const PrinterFailure& failure) {
            const std::string said = failure.what();
            EXPECT_EQ(said.rfind("印刷を受け持つサービス（CUPS）に接続できません。", 0), 0u)
                << said;
            EXPECT_EQ(said.find("インストール"), std::string::npos) << said;
            // libcups' own text comes after the clerk's words.
            const std::string lastLine = said.substr(said.rfind('\n') + 1);
            EXPECT_FALSE(lastLine.empty() || lastLine.find("接続できません") != std::string::npos)
                << said;
        }
    }
}

// The newest file cups-pdf wrote for a document, waiting for it to arrive.
std::optional<std::filesystem::path> awaitCupsPdf(const std::string& documentName) {
    const std::filesystem::path out = "/tmp/cups-pdf-out";
    for (int tries = 0; tries < 300; ++tries) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(out, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(documentName, 0) == 0 && name.ends_with(".pdf")) {
                // cups-pdf writes the file in place; wait until it stops growing.
                const auto size = std::filesystem::file_size(entry.path(), ec);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                if (!ec && size > 0 && size == std::filesystem::file_size(entry.path(), ec))
                    return entry.path();
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
}

TEST_F(QtPrinterPageTest, APageOnTheDefaultPrinterArrivesAsOneLandscapePage) {
    if (!std::getenv("NENCHO_TEST_CUPS")) GTEST_SKIP() << "no test printer (NENCHO_TEST_CUPS)";
    const std::string documentName =
        "nencho-page-test-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
        std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    printDocument(pageOpener(), documentName, drawSamplePage);

    const auto pdf = awaitCupsPdf(documentName);
    ASSERT_TRUE(pdf) << "no PDF from the test printer";
    const QString file = QString::fromStdString(pdf->string());
    const QString info = run("pdfinfo", {file});
    EXPECT_TRUE(info.contains(QRegularExpression(R"(Pages:\s+1\n)"))) << info.toStdString();

    // The page arrives turned to portrait, as a printer receives it. Find the black patch
    // drawn around (255, 180) mm of the landscape page, at 10 dots per millimetre.
    const QString png = folder.filePath("cups");
    run("pdftoppm", {"-png", "-r", "254", "-singlefile", file, png});
    QImage picture(png + ".png");
    ASSERT_FALSE(picture.isNull());
    const bool portrait = picture.height() > picture.width();
    EXPECT_TRUE(portrait);
    auto darkAt = [&](double landscapeX, double landscapeY) {
        // Turned a quarter: the landscape page's top edge runs down one side of the portrait
        // page. Look at both possible turns and at the unturned page.
        const int w = picture.width(), h = picture.height();
        const int x = static_cast<int>(landscapeX * 10), y = static_cast<int>(landscapeY * 10);
        auto dark = [&](int px, int py) {
            return px >= 0 && py >= 0 && px < w && py < h && qGray(picture.pixel(px, py)) < 64;
        };
        return dark(y, h - 1 - x) || dark(w - 1 - y, x) || dark(x, y);
    };
    EXPECT_TRUE(darkAt(255, 180));
    EXPECT_FALSE(darkAt(255, 170));
    EXPECT_FALSE(darkAt(240, 180));

    // The printer's PDF keeps the glyphs but not their characters, so each sample text is
    // looked for as a glyph where its first character lands on the turned page: across, from
    // the text's top down by at most its size; along, from its left edge back by its size.
    const auto glyphs = wordsOf(file);
    const double pageHeight = 842, pageWidth = 595;
    struct Drawn {
        const char* text;
        double left, top, points;  // millimetres, millimetres, font size
    };
    for (const Drawn& drawn : {Drawn{"平成", 24, 29, 12}, Drawn{"12,300", 100, 50, 10},
                               Drawn{"源泉徴収簿", 200.5, 150.25, 10}}) {
        const double across = drawn.top * kPointsPerMillimetre;
        const double along = drawn.left * kPointsPerMillimetre;
        auto landsAt = [&](const Word& glyph) {
            const bool turnedLeft = glyph.left >= across && glyph.left <= across + drawn.points &&
                                    glyph.top >= pageHeight - along - drawn.points - 1 &&
                                    glyph.top <= pageHeight - along + 1;
            const bool turnedRight = glyph.left <= pageWidth - across &&
                                     glyph.left >= pageWidth - across - drawn.points &&
                                     glyph.top >= along - 1 &&
                                     glyph.top <= along + drawn.points + 1;
            return turnedLeft || turnedRight;
        };
        EXPECT_TRUE(std::any_of(glyphs.begin(), glyphs.end(), landsAt)) << drawn.text;
    }
    std::filesystem::remove(*pdf);
}

// Printing through the test script's queues: the job's fate as the scheduler decides it.
class SchedulerTest : public QtPrinterPageTest {
  protected:
    void SetUp() override {
        if (!test::hasTestPrinter()) GTEST_SKIP() << "no test printer (NENCHO_TEST_CUPS)";
        QtPrinterPageTest::SetUp();
    }
    static std::string uniqueName(const std::string& what) {
        return "nencho-" + what + "-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    }
};

// The text of the failure the page's end throws, or nothing when it printed.
std::optional<std::string> failureAtEnd(QtPrinterPage& page) {
    try {
        page.endDocument();
    } catch (const PrinterFailure& failure) {
        return failure.what();
    }
    return std::nullopt;
}

// Whether the texts stand in the failure's text in this order.
bool saysInOrder(const std::string& said, std::initializer_list<const char*> texts) {
    std::size_t from = 0;
    for (const char* text : texts) {
        from = said.find(text, from);
        if (from == std::string::npos) return false;
    }
    return true;
}

// The test printer as it was described before it was deleted: its name and address changed to
// those of a queue the scheduler does not have.
CupsQueue queueNoLongerThere() {
    cups_dest_t* known = cupsGetNamedDest(CUPS_HTTP_DEFAULT, test::kHoldingQueue, nullptr);
    EXPECT_NE(known, nullptr);
    std::string address =
        known ? cupsGetOption("printer-uri-supported", known->num_options, known->options) : "";
    address = address.substr(0, address.rfind('/') + 1) + "NENCHO-NO-SUCH-QUEUE";
    cupsFreeDests(1, known);
    cups_dest_t* dests = nullptr;
    int count = cupsAddDest("NENCHO-NO-SUCH-QUEUE", nullptr, 0, &dests);
    dests[0].num_options = cupsAddOption("printer-uri-supported", address.c_str(),
                                         dests[0].num_options, &dests[0].options);
    cups_dest_t* gone = nullptr;
    cupsCopyDest(&dests[0], 0, &gone);
    cupsFreeDests(count, dests);
    return CupsQueue(gone);
}

TEST_F(SchedulerTest, ARefusedPressSendsOneJobRequestAndTellsWhyInTheClerksWords) {
    test::DefaultQueue queue(test::kRefusingQueue);
    for (int press = 1; press <= 2; ++press) {
        jobRequests = 0;
        auto page = QtPrinterPage::onDefaultPrinter(uniqueName("refused"));
        drawSamplePage(*page);
        const auto said = failureAtEnd(*page);
        ASSERT_TRUE(said) << "a refused job passed as printed";
        EXPECT_TRUE(
            saysInOrder(*said, {"プリンター「TEST-REFUSE」が印刷を受け付けませんでした。",
                                "印刷を受け付けない設定になっています", "not accepting jobs"}))
            << *said;
        EXPECT_EQ(jobRequests, 1) << "press " << press;
    }
}

TEST_F(SchedulerTest, AQueueThatIsNoLongerThereIsToldAsMissing) {
    jobRequests = 0;
    CupsQueue gone = queueNoLongerThere();
    try {
        gone.submitPdf(uniqueName("gone"), "%PDF-1.4\n%%EOF\n");
        FAIL() << "a job to a missing queue passed as printed";
    } catch (const PrinterFailure& failure) {
        EXPECT_TRUE(saysInOrder(failure.what(),
                                {"プリンター「NENCHO-NO-SUCH-QUEUE」が印刷を受け付けませんでした。",
                                 "このプリンターは見つかりません", "does not exist"}))
            << failure.what();
    }
    EXPECT_EQ(jobRequests, 0);
}

TEST_F(SchedulerTest, ASchedulerThatCannotBeReachedIsToldSoAndNoJobIsLeft) {
    test::DefaultQueue queue(test::kHoldingQueue);
    test::CancelledJobs cancelled(test::kHoldingQueue);
    const std::string title = uniqueName("unreachable");
    jobRequests = 0;
    auto page = QtPrinterPage::onDefaultPrinter(title);
    drawSamplePage(*page);
    // The scheduler goes away between the queue's choice and the job.
    cupsSetServer(("127.0.0.1:" + std::to_string(test::closedLoopbackPort())).c_str());
    const auto said = failureAtEnd(*page);
    cupsSetServer(nullptr);
    ASSERT_TRUE(said) << "a job passed as printed with no scheduler";
    EXPECT_TRUE(saysInOrder(*said, {"プリンター「TEST-HOLD」に接続できないため",
                                    "印刷を受け持つサービス（CUPS）に接続できません"}))
        << *said;
    // libcups' own text comes after the clerk's words.
    const std::string lastLine = said->substr(said->rfind('\n') + 1);
    EXPECT_FALSE(lastLine.empty() || lastLine.find("接続できません") != std::string::npos) << *said;
    EXPECT_LE(jobRequests, 1);
    cancelled.ids = test::heldJobs(test::kHoldingQueue, title);
    EXPECT_TRUE(cancelled.ids.empty());
}

TEST_F(SchedulerTest, AStoppedQueueHoldsTheJobAsPrinted) {
    test::DefaultQueue queue(test::kHoldingQueue);
    test::CancelledJobs cancelled(test::kHoldingQueue);
    const std::string title = uniqueName("held");
    auto page = QtPrinterPage::onDefaultPrinter(title);
    drawSamplePage(*page);
    page->endDocument();
    cancelled.ids.insert(page->jobId());
    EXPECT_GT(page->jobId(), 0);
    EXPECT_EQ(test::heldJobs(test::kHoldingQueue, title), std::set<int>{page->jobId()});
}

// Waits for a line of the child's output that begins with the text, and gives it.
std::optional<QString> awaitLine(QProcess& child, const QString& start) {
    for (int tries = 0; tries < 300; ++tries) {
        while (child.canReadLine()) {
            const QString line = QString::fromUtf8(child.readLine()).trimmed();
            if (line.startsWith(start)) return line;
        }
        if (child.state() == QProcess::NotRunning && !child.canReadLine()) return std::nullopt;
        child.waitForReadyRead(100);
    }
    return std::nullopt;
}

TEST_F(SchedulerTest, NoFileIsLeftBehindAfterAPrintoutNorAfterOneCutShort) {
    QTemporaryDir temporary;  // the printing process's TMPDIR
    QTemporaryDir runtime;    // and its runtime folder, which a desktop session provides
    ASSERT_TRUE(temporary.isValid() && runtime.isValid());
    test::CancelledJobs cancelled(test::kHoldingQueue);
    const std::string title = uniqueName("cut-short");
    for (const bool cutShort : {true, false}) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", temporary.path());
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("LPDEST", test::kHoldingQueue);
        child.setProcessEnvironment(environment);
        child.start(NENCHO_PRINT_JOB_CHILD, {QString::fromStdString(title)});
        ASSERT_TRUE(child.waitForStarted(10000));
        ASSERT_TRUE(awaitLine(child, "drawn")) << child.readAllStandardOutput().toStdString();
        if (cutShort) {
            child.kill();
            ASSERT_TRUE(child.waitForFinished(10000));
            EXPECT_TRUE(test::heldJobs(test::kHoldingQueue, title).empty());
        } else {
            child.write("end\n");
            child.closeWriteChannel();
            const auto printed = awaitLine(child, "printed ");
            ASSERT_TRUE(printed) << child.readAllStandardOutput().toStdString();
            ASSERT_TRUE(child.waitForFinished(10000));
            const int jobId = printed->section(' ', 1).toInt();
            cancelled.ids.insert(jobId);
            EXPECT_GT(jobId, 0);
            EXPECT_EQ(test::heldJobs(test::kHoldingQueue, title), std::set<int>{jobId});
        }
        const QStringList left =
            QDir(temporary.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_TRUE(left.isEmpty())
            << (cutShort ? "cut short: " : "printed: ") << left.join(", ").toStdString();
    }
}

}  // namespace
}  // namespace nencho
