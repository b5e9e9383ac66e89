#pragma once
// The printer page on a real device through Qt: the system's default printer at 1200 dpi, or a
// PDF file (for tests and benchmarks). Positions stay in millimetres until the last step. The
// print face "MS 明朝" is set as IPAMincho, which has the same metrics.
#include <QFont>
#include <QPainter>
#include <memory>
#include <string>

#include "platform/printer_page.h"

class QPagedPaintDevice;
class QPrinter;

namespace nencho {

// Maps the forms' Mincho face names (MS 明朝 and its spellings) to IPAMincho; must run before
// any text is measured.
void installPrintFontSubstitutions();

class QtPrinterPage : public PrinterPage {
  public:
    ~QtPrinterPage() override;
    QtPrinterPage(const QtPrinterPage&) = delete;
    QtPrinterPage& operator=(const QtPrinterPage&) = delete;

    // A landscape page on the default printer (or the first printer when none is the
    // default). Throws PrinterFailure when no printer is installed or it refuses the job.
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

  private:
    QtPrinterPage(std::unique_ptr<QPagedPaintDevice> device, QPrinter* printer,
                  std::string pdfPath);
    void begin();
    void checkOpen() const;
    double device(double millimetres) const { return millimetres * dotsPerMillimetre_; }

    std::unique_ptr<QPagedPaintDevice> device_;
    QPrinter* printer_ = nullptr;  // the device when it is a printer
    std::string pdfPath_;          // the file when the device writes a PDF
    QPainter painter_;
    QFont font_;
    double lineWidth_;
    double dotsPerMillimetre_ = 0;
    double x_ = 0;
    double y_ = 0;
    bool finished_ = false;
};

}  // namespace nencho
