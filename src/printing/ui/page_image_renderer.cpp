#include "printing/ui/page_image_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <string>

#include "platform/ui/page_image_registry.h"
#include "printing/page_images.h"

namespace nencho {

namespace {

constexpr int kDotsPerMetre = 11811;  // 300 dpi

// Millimetres of the page to pixels of the image.
struct Scale {
    double x;
    double y;
};

QString familyOf(FormFace face) {
    return face == FormFace::Gothic ? QStringLiteral("IPAGothic") : QStringLiteral("IPAMincho");
}

void drawRules(QPainter& painter, const FormDrawing& drawing, Scale scale) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const FormRule& rule : drawing.rules) {
        QPen pen(Qt::black, std::max(1.0, rule.width * scale.x), Qt::SolidLine, Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(rule.x1 * scale.x, rule.y1 * scale.y),
                         QPointF(rule.x2 * scale.x, rule.y2 * scale.y));
    }
}

// Text is drawn at the height's scale and narrowed or widened to the width's, so that the
// stretched image gives the face's own proportions on the page. Each character goes to its own
// place: the face's advances, rounded to whole pixels, would drift along a line. The glyphs are
// rasterised in black and white, hinted onto the pixel grid, so that no stroke thinner than a
// pixel fades away.
void drawText(QPainter& painter, const PlacedText& text, Scale scale) {
    QFont font(familyOf(text.face));
    font.setPixelSize(std::max(1, qRound(text.points * kMillimetresPerPoint * scale.y)));
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    const double em = text.points * kMillimetresPerPoint;
    painter.save();
    painter.scale(scale.x / scale.y, 1.0);
    double left = text.left;
    for (const std::string& character : charactersOf(text.text)) {
        painter.drawText(QPointF(left * scale.y, text.top * scale.y + ascent),
                         QString::fromStdString(character));
        left += emsOf(character) * em;
    }
    painter.restore();
}

void drawCaptions(QPainter& painter, const FormDrawing& drawing, Scale scale) {
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(Qt::black);
    for (const FormCaption& caption : drawing.captions)
        for (const PlacedText& text : layOutCaption(caption)) drawText(painter, text, scale);
}

QImage toBlackAndWhite(const QImage& grey) {
    QImage mono = grey.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    // Black first, then white: only this table lets a PDF writer keep the bits as they are.
    mono.invertPixels();
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.setDotsPerMeterX(kDotsPerMetre);
    mono.setDotsPerMeterY(kDotsPerMetre);
    return mono;
}

}  // namespace

QImage renderFormImage(const FormDrawing& drawing) {
    QImage grey(kPageImageWidthPixels, kPageImageHeightPixels, QImage::Format_Grayscale8);
    grey.setDotsPerMeterX(kDotsPerMetre);
    grey.setDotsPerMeterY(kDotsPerMetre);
    grey.fill(Qt::white);
    const Scale scale{kPageImageWidthPixels / drawing.pageWidth,
                      kPageImageHeightPixels / drawing.pageHeight};
    QPainter painter(&grey);
    drawRules(painter, drawing, scale);
    drawCaptions(painter, drawing, scale);
    painter.end();
    return toBlackAndWhite(grey);
}

QImage renderPageImage(std::string_view name) {
    const FormDrawing* drawing = pageImageForm(name);
    return drawing ? renderFormImage(*drawing) : QImage();
}

void registerFormPageImages() {
    // Registering again would drop an image already rendered.
    for (std::string_view name : pageImageNames())
        if (!hasPageImage(std::string(name)))
            registerPageImage(std::string(name), [name] { return renderPageImage(name); });
}

}  // namespace nencho
