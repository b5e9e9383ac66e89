// The printouts through the real page into PDF files: the page image goes in as one lossless
// 1-bit picture stretched over the form's rectangle, and the data reads back where it was put.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>

#include "platform/ui/qt_printer_page.h"
#include "printing/page_images.h"
#include "printing/printout_fixture.h"
#include "printing/printouts.h"
#include "printing/ui/page_image_renderer.h"
#include "support/screen_test.h"

namespace nencho {
namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30'000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintoutsToPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        registerFormPageImages();
        ASSERT_TRUE(folder_.isValid());
    }

    QString print(const char* file, void (*printout)(PrinterPage&, const PrintData&)) {
        const QString path = folder_.filePath(file);
        auto page = QtPrinterPage::toPdfFile(path.toStdString(), "printout-check");
        printout(*page, test::fullPrintData());
        page->endDocument();
        return path;
    }

    QTemporaryDir folder_;
};

struct Printout {
    const char* file;
    void (*print)(PrinterPage&, const PrintData&);
    double width;  // the rectangle the page image is stretched to, millimetres
    double height;
    const char* word;  // a word of the data and where its box starts
    double wordLeft;
};

const Printout kPrintouts[] = {
    {"ledger.pdf", printWithholdingLedger, 296, 209, "301,000", 71 - 7 * 0.5 * 11 * 25.4 / 72},
    {"dependants.pdf", printDependantsDeclaration, 296, 209, "株式会社青葉商事", 79},
    {"insurance.pdf", printInsuranceDeclaration, 291, 208, "株式会社青葉商事", 72}};

TEST_F(PrintoutsToPdf, KeepThePageImageLosslessAndStretchedOverTheFormsRectangle) {
    if (QStandardPaths::findExecutable("pdfimages").isEmpty())
        GTEST_SKIP() << "pdfimages is not installed";
    for (const Printout& printout : kPrintouts) {
        SCOPED_TRACE(printout.file);
        const QString path = print(printout.file, printout.print);
        const QStringList lines = run("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        const QStringList image = lines[2].split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        ASSERT_GE(image.size(), 14);
        EXPECT_EQ(image[3], "3507");
        EXPECT_EQ(image[4], "2481");
        EXPECT_EQ(image[7], "1");  // bits per pixel
        EXPECT_NE(image[8], "jpeg");
        EXPECT_NEAR(image[12].toDouble(), 3507 / (printout.width / 25.4), 1.0);
        EXPECT_NEAR(image[13].toDouble(), 2481 / (printout.height / 25.4), 1.0);
        EXPECT_LT(std::filesystem::file_size(path.toStdString()), 150'000u);
    }
}

TEST_F(PrintoutsToPdf, PrintTheDataWhereTheRecordingPageSaysOverTheImage) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    for (const Printout& printout : kPrintouts) {
        SCOPED_TRACE(printout.file);
        const QString layout =
            run("pdftotext", {"-bbox", print(printout.file, printout.print), "-"});
        const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                          .arg(QString::fromUtf8(printout.word)));
        const QRegularExpressionMatch found = word.match(layout);
        ASSERT_TRUE(found.hasMatch()) << layout.toStdString();
        EXPECT_NEAR(found.captured(1).toDouble() * 25.4 / 72, printout.wordLeft, 0.3);
    }
}

}  // namespace
}  // namespace nencho
