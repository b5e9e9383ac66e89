#pragma once
// The printer page on a real device through Qt: a landscape A4 page at 1200 dpi for the
// system's default printer, or a PDF file (for tests and benchmarks). A page for the printer is
// drawn into memory and handed to the printer's scheduler when the document ends, so no copy of
// it is ever written to a file. Positions stay in millimetres until the last step. The print
// face "MS 明朝" is set as IPAMincho, which has the same metrics.
#include <QFont>
#include <QPainter>
#include <memory>
#include <string>

#include "platform/printer_page.h"

class QBuffer;
class QPagedPaintDevice;

namespace nencho {

class CupsQueue;

// Maps the forms' Mincho face names (MS 明朝 and its spellings) to IPAMincho; must run before
// any text is measured.
void installPrintFontSubstitutions();

class QtPrinterPage : public PrinterPage {
  public:
    ~QtPrinterPage() override;
    QtPrinterPage(const QtPrinterPage&) = delete;
    QtPrinterPage& operator=(const QtPrinterPage&) = delete;

    // A landscape page on the default printer (or the first printer when none is the
    // default). Throws PrinterFailure when no printer is installed; ending the document throws
    // it when the printer refuses the job.
    static std::unique_ptr<QtPrinterPage> onDefaultPrinter(const std::string& documentName);
    // A landscape A4 page written to a PDF file when the document ends; an aborted page leaves
    // no file.
    static std::unique_ptr<QtPrinterPage> toPdfFile(const std::string& filePath,
                                                    const std::string& documentName);

    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void setLineWidth(double millimetres) override;
    void setCurrentX(double millimetres) override { x_ = millimetres; }
    void setCurrentY(double millimetres) override { y_ = millimetres; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void printText(std::string_view utf8) override;
    double textWidth(std::string_view utf8) const override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawImage(std::string_view imageName, double left, double top, double width,
                   double height) override;
    void endDocument() override;
    void abort() override;

    // Starts another page of the same document, for PDF files of many pages (benchmarks);
    // the printouts themselves print one page per document.
    void newPage();

    // Device pixels per millimetre.
    double resolution() const { return dotsPerMillimetre_; }
    // The scheduler's id of the job once the document has gone to the printer, else 0.
    int jobId() const { return jobId_; }

  private:
    QtPrinterPage(std::unique_ptr<QBuffer> buffer, std::unique_ptr<QPagedPaintDevice> device,
                  std::unique_ptr<CupsQueue> queue, std::string pdfPath);
    void begin();
    void checkOpen() const;
    double device(double millimetres) const { return millimetres * dotsPerMillimetre_; }

    std::unique_ptr<QBuffer> buffer_;  // the document in memory, for the printer
    std::unique_ptr<QPagedPaintDevice> device_;
    std::unique_ptr<CupsQueue> queue_;  // the printer the document goes to
    std::string pdfPath_;               // the file when the device writes a PDF
    std::string documentName_;          // the printer's job name
    QPainter painter_;
    QFont font_;
    double lineWidth_;
    double dotsPerMillimetre_ = 0;
    double x_ = 0;
    double y_ = 0;
    bool finished_ = false;
    int jobId_ = 0;
};

}  // namespace nencho
