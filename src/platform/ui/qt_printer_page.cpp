#include "platform/ui/qt_printer_page.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPen>
#include <filesystem>
#include <string_view>
#include <utility>

#include "platform/ui/cups_queue.h"
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

// A landscape A4 PDF writer at the print resolution, the paper's corner at (0, 0).
std::unique_ptr<QPdfWriter> pdfWriter(std::unique_ptr<QPdfWriter> writer,
                                      const std::string& documentName) {
    writer->setResolution(kPrintResolution);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer->setTitle(QString::fromStdString(documentName));
    writer->setCreator("nencho");
    return writer;
}

}  // namespace

void installPrintFontSubstitutions() {
    for (const char* name : {"MS 明朝", "ＭＳ 明朝", "MS Mincho"})
        QFont::insertSubstitutions(name, {"IPAMincho"});
}

QtPrinterPage::QtPrinterPage(std::unique_ptr<QBuffer> buffer,
                             std::unique_ptr<QPagedPaintDevice> device,
                             std::unique_ptr<CupsQueue> queue, std::string pdfPath)
    : buffer_(std::move(buffer)),
      device_(std::move(device)),
      queue_(std::move(queue)),
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
    auto queue = std::make_unique<CupsQueue>(CupsQueue::defaultQueue());
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    auto writer = pdfWriter(std::make_unique<QPdfWriter>(buffer.get()), documentName);
    std::unique_ptr<QtPrinterPage> page(
        new QtPrinterPage(std::move(buffer), std::move(writer), std::move(queue), {}));
    page->documentName_ = documentName;
    page->begin();
    return page;
}

std::unique_ptr<QtPrinterPage> QtPrinterPage::toPdfFile(const std::string& filePath,
                                                        const std::string& documentName) {
    auto writer =
        pdfWriter(std::make_unique<QPdfWriter>(QString::fromStdString(filePath)), documentName);
    std::unique_ptr<QtPrinterPage> page(
        new QtPrinterPage(nullptr, std::move(writer), nullptr, filePath));
    page->begin();
    return page;
}

void QtPrinterPage::begin() {
    if (!painter_.begin(device_.get())) {
        finished_ = true;
        throw PrinterFailure(queue_ ? "印刷するページを用意できませんでした。"
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
    if (!painter_.end()) {
        std::error_code ignored;
        if (!pdfPath_.empty()) std::filesystem::remove(pdfPath_, ignored);
        throw PrinterFailure(queue_ ? "印刷するページを作れませんでした。"
                                    : "印刷用のファイル「" + pdfPath_ + "」を書けませんでした。");
    }
    if (!queue_) return;
    const QByteArray document = std::exchange(buffer_->buffer(), {});
    jobId_ = queue_->submitPdf(
        documentName_,
        std::string_view(document.constData(), static_cast<std::size_t>(document.size())));
}

void QtPrinterPage::abort() {
    if (finished_) return;
    finished_ = true;
    painter_.end();
    if (buffer_) buffer_->buffer().clear();
    if (!pdfPath_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(pdfPath_, ignored);
    }
}

}  // namespace nencho
