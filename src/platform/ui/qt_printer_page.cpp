#include "platform/ui/qt_printer_page.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>

#include "platform/ui/page_image_registry.h"

namespace nencho {

namespace {

constexpr int kPrintResolution = 1200;
constexpr double kMillimetresPerInch = 25.4;
const char* const kPrintFace = "MS 明朝";
constexpr double kDefaultFontSize = 10;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPrinterInfo chosenPrinter() {
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) return printer;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.front();
}

}  // namespace

void installPrintFontSubstitutions() {
    for (const char* name : {"MS 明朝", "ＭＳ 明朝", "MS Mincho"})
        QFont::insertSubstitutions(name, {"IPAMincho"});
}

QtPrinterPage::QtPrinterPage(std::unique_ptr<QPagedPaintDevice> device, QPrinter* printer,
                             std::string pdfPath)
    : device_(std::move(device)),
      printer_(printer),
      pdfPath_(std::move(pdfPath)),
      lineWidth_(pixelsAt300DpiToMillimetres(1)) {
    installPrintFontSubstitutions();
    font_ = QFont(kPrintFace);
    font_.setPointSizeF(kDefaultFontSize);
}

QtPrinterPage::~QtPrinterPage() {
    abort();
}

std::unique_ptr<QtPrinterPage> QtPrinterPage::onDefaultPrinter(const std::string& documentName) {
    const QPrinterInfo info = chosenPrinter();
    if (info.isNull())
        throw PrinterFailure(
            "プリンターがインストールされていないため、印刷できません。\n"
            "プリンターを設定してから、もう一度印刷してください。");
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setResolution(kPrintResolution);
    printer->setFullPage(true);
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setDocName(QString::fromStdString(documentName));
    printer->setCreator("nencho");
    QPrinter* raw = printer.get();
    std::unique_ptr<QtPrinterPage> page(new QtPrinterPage(std::move(printer), raw, {}));
    page->begin();
    return page;
}

std::unique_ptr<QtPrinterPage> QtPrinterPage::toPdfFile(const std::string& filePath,
                                                        const std::string& documentName) {
    auto writer = std::make_unique<QPdfWriter>(QString::fromStdString(filePath));
    writer->setResolution(kPrintResolution);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer->setTitle(QString::fromStdString(documentName));
    writer->setCreator("nencho");
    std::unique_ptr<QtPrinterPage> page(new QtPrinterPage(std::move(writer), nullptr, filePath));
    page->begin();
    return page;
}

void QtPrinterPage::begin() {
    if (!painter_.begin(device_.get())) {
        finished_ = true;
        throw PrinterFailure(printer_ ? "プリンターが印刷を受け付けませんでした。"
                                      : "印刷用のファイル「" + pdfPath_ + "」を作れませんでした。");
    }
    dotsPerMillimetre_ = device_->logicalDpiX() / kMillimetresPerInch;
    painter_.setFont(font_);
}

void QtPrinterPage::checkOpen() const {
    if (finished_) throw PrinterFailure("印刷は終わっています。");
}

void QtPrinterPage::setFontName(std::string_view name) {
    checkOpen();
    font_.setFamily(fromUtf8(name));
    painter_.setFont(font_);
}

void QtPrinterPage::setFontSize(double points) {
    checkOpen();
    if (!(points > 0)) throw PrinterFailure("文字の大きさが正しくありません。");
    font_.setPointSizeF(points);
    painter_.setFont(font_);
}

void QtPrinterPage::setLineWidth(double millimetres) {
    checkOpen();
    if (!(millimetres >= 0)) throw PrinterFailure("線の太さが正しくありません。");
    lineWidth_ = millimetres;
}

void QtPrinterPage::printText(std::string_view utf8) {
    checkOpen();
    const QFontMetricsF metrics(font_, device_.get());
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(device(x_), device(y_) + metrics.ascent()), fromUtf8(utf8));
}

double QtPrinterPage::textWidth(std::string_view utf8) const {
    checkOpen();
    const QFontMetricsF metrics(font_, device_.get());
    return metrics.horizontalAdvance(fromUtf8(utf8)) / dotsPerMillimetre_;
}

void QtPrinterPage::drawLine(double x1, double y1, double x2, double y2) {
    checkOpen();
    QPen pen(Qt::black);
    pen.setWidthF(device(lineWidth_));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(device(x1), device(y1)), QPointF(device(x2), device(y2)));
}

void QtPrinterPage::drawImage(std::string_view imageName, double left, double top, double width,
                              double height) {
    checkOpen();
    const QImage& image = pageImage(std::string(imageName));
    painter_.drawImage(QRectF(device(left), device(top), device(width), device(height)), image);
}

void QtPrinterPage::newPage() {
    checkOpen();
    if (!device_->newPage()) throw PrinterFailure("次のページを始められませんでした。");
}

void QtPrinterPage::endDocument() {
    checkOpen();
    finished_ = true;
    const bool ended = painter_.end();
    const bool printerFailed = printer_ && printer_->printerState() == QPrinter::Error;
    if (!ended || printerFailed) {
        std::error_code ignored;
        if (!pdfPath_.empty()) std::filesystem::remove(pdfPath_, ignored);
        throw PrinterFailure(printer_ ? "プリンターに送れませんでした。"
                                      : "印刷用のファイル「" + pdfPath_ + "」を書けませんでした。");
    }
}

void QtPrinterPage::abort() {
    if (finished_) return;
    finished_ = true;
    if (printer_) printer_->abort();
    painter_.end();
    if (!pdfPath_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(pdfPath_, ignored);
    }
}

}  // namespace nencho
