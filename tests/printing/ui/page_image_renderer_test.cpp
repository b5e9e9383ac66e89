#include "printing/ui/page_image_renderer.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <limits>
#include <vector>

#include "platform/ui/page_image_registry.h"
#include "printing/page_images.h"
#include "support/screen_test.h"

namespace nencho {
namespace {

class PageImageRenderer : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        registerFormPageImages();
    }
};

// The pixel under a point of the page, given in millimetres.
bool blackAt(const QImage& image, const FormDrawing& form, double x, double y) {
    const int column = static_cast<int>(x * image.width() / form.pageWidth);
    const int row = static_cast<int>(y * image.height() / form.pageHeight);
    return image.pixel(column, row) == qRgb(0, 0, 0);
}

TEST_F(PageImageRenderer, MakesA1BitA4LandscapeImageAt300DpiThatPdfsKeepLossless) {
    for (std::string_view name : pageImageNames()) {
        SCOPED_TRACE(std::string(name));
        const QImage& image = pageImage(std::string(name));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(kPageImageWidthPixels, kPageImageHeightPixels));
        EXPECT_EQ(image.format(), QImage::Format_Mono);
        EXPECT_EQ(image.colorTable(), QList<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        EXPECT_EQ(image.dotsPerMeterX(), 11811);
        EXPECT_EQ(image.dotsPerMeterY(), 11811);
        // White paper with black ink: the corner is blank, the ink a small share of the page.
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
        const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
        std::int64_t black = 0;
        for (int row = 0; row < grey.height(); ++row) {
            const uchar* line = grey.constScanLine(row);
            for (int column = 0; column < grey.width(); ++column) black += line[column] == 0;
        }
        const double share = static_cast<double>(black) / (grey.width() * grey.height());
        EXPECT_GT(share, 0.01);
        EXPECT_LT(share, 0.15);
    }
}

TEST_F(PageImageRenderer, DrawsTheRulesWhereTheFormPlacesThemOnThePage) {
    for (std::string_view name : pageImageNames()) {
        SCOPED_TRACE(std::string(name));
        const FormDrawing& form = *pageImageForm(name);
        const QImage& image = pageImage(std::string(name));
        int checked = 0;
        for (const FormRule& rule : form.rules) {
            if (rule.x1 != rule.x2 || rule.y2 - rule.y1 < 4) continue;
            const double middle = (rule.y1 + rule.y2) / 2;
            EXPECT_TRUE(blackAt(image, form, rule.x1, middle)) << rule.x1 << ", " << middle;
            ++checked;
        }
        EXPECT_GT(checked, 20);
    }
}

// A character the face lacks would print as an empty box.
TEST_F(PageImageRenderer, TheFacesHoldEveryCharacterOfTheCaptions) {
    const QFontMetrics mincho(QFont(QStringLiteral("IPAMincho")));
    const QFontMetrics gothic(QFont(QStringLiteral("IPAGothic")));
    for (std::string_view name : pageImageNames())
        for (const FormCaption& caption : pageImageForm(name)->captions) {
            const QFontMetrics& face = caption.face == FormFace::Gothic ? gothic : mincho;
            for (char32_t character : QString::fromStdString(caption.text).toUcs4()) {
                if (character == U'\n' || character == U' ' || character == U'\u3000') continue;
                EXPECT_TRUE(face.inFontUcs4(character))
                    << name << ": " << caption.text << " U+" << std::hex
                    << static_cast<unsigned>(character);
            }
        }
}

// The ink of a 1-bit image as a grid, for quick looks at a pixel and its neighbours.
class InkGrid {
  public:
    InkGrid(int width, int height)
        : width_(width), height_(height), ink_(static_cast<std::size_t>(width) * height) {}
    explicit InkGrid(const QImage& image) : InkGrid(image.width(), image.height()) {
        const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < height_; ++y) {
            const uchar* line = grey.constScanLine(y);
            std::uint8_t* row = &ink_[index(0, y)];
            for (int x = 0; x < width_; ++x) row[x] = line[x] < 128;
        }
    }

    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && ink_[index(x, y)];
    }
    void set(int x, int y) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) ink_[index(x, y)] = 1;
    }
    // Ink wherever this grid has ink within a pixel.
    InkGrid spread() const {
        InkGrid across(width_, height_);
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* from = &ink_[index(0, y)];
            std::uint8_t* to = &across.ink_[index(0, y)];
            for (int x = 0; x < width_; ++x)
                to[x] = from[x] | (x > 0 ? from[x - 1] : 0) | (x + 1 < width_ ? from[x + 1] : 0);
        }
        InkGrid wider(width_, height_);
        for (int y = 0; y < height_; ++y) {
            std::uint8_t* to = &wider.ink_[index(0, y)];
            for (int dy = -1; dy <= 1; ++dy) {
                if (y + dy < 0 || y + dy >= height_) continue;
                const std::uint8_t* from = &across.ink_[index(0, y + dy)];
                for (int x = 0; x < width_; ++x) to[x] |= from[x];
            }
        }
        return wider;
    }

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    int width_;
    int height_;
    std::vector<std::uint8_t> ink_;
};

// One character of a caption drawn alone as the face's outline, filled, at four times the
// image's resolution: its strokes as no pixel grid thins them.
constexpr int kFine = 4;

struct Outline {
    std::vector<QPoint> ink;  // the inked pixels of the fine grid, on the page
    QRect pixels;             // the image pixels they fall in
    InkGrid nearInk{0, 0};    // over pixels: ink of the outline within a pixel
    bool nearAt(int column, int row) const {
        return nearInk.at(column - pixels.left() + 1, row - pixels.top() + 1);
    }
};

Outline outlineOf(const std::string& character, double left, double top, double points,
                  FormFace face, double pixelsPerMmX, double pixelsPerMmY) {
    QFont font(face == FormFace::Gothic ? QStringLiteral("IPAGothic")
                                        : QStringLiteral("IPAMincho"));
    font.setPixelSize(200);
    QPainterPath path;
    path.addText(0, QFontMetricsF(font).ascent(), font, QString::fromStdString(character));
    // From the 200-pixel em to the caption's em on the fine grid, narrowed or widened as the
    // image stretches the page.
    const double em = points * kMillimetresPerPoint * pixelsPerMmY * kFine;
    QTransform toFine;
    toFine.translate(left * pixelsPerMmX * kFine, top * pixelsPerMmY * kFine);
    toFine.scale(em / 200 * pixelsPerMmX / pixelsPerMmY, em / 200);
    const QPainterPath fine = toFine.map(path);
    const QRect bounds = fine.boundingRect().toAlignedRect();
    QImage drawn(bounds.size(), QImage::Format_Grayscale8);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-bounds.topLeft());
    painter.fillPath(fine, Qt::black);
    painter.end();

    Outline outline;
    const QPoint first(bounds.left() / kFine, bounds.top() / kFine);
    outline.pixels = QRect(first, QPoint(bounds.right() / kFine, bounds.bottom() / kFine));
    InkGrid covered(outline.pixels.width() + 2, outline.pixels.height() + 2);
    for (int y = 0; y < drawn.height(); ++y) {
        const uchar* line = drawn.constScanLine(y);
        for (int x = 0; x < drawn.width(); ++x) {
            if (line[x] != 0) continue;
            const QPoint at = bounds.topLeft() + QPoint(x, y);
            outline.ink.push_back(at);
            covered.set(at.x() / kFine - first.x() + 1, at.y() / kFine - first.y() + 1);
        }
    }
    outline.nearInk = covered.spread();
    return outline;
}

struct Comparison {
    int lost = 0;   // fine pixels of the outline with no ink of the image within a pixel
    int stray = 0;  // image pixels in the outline's bounds, off the rules, a pixel from it
};

// The outline moved by (dx, dy) pixels of the image against the image.
Comparison compare(const Outline& outline, const InkGrid& image, const InkGrid& nearImageInk,
                   const InkGrid& rules, int dx, int dy) {
    Comparison found;
    for (const QPoint& fine : outline.ink)
        found.lost += !nearImageInk.at(fine.x() / kFine + dx, fine.y() / kFine + dy);
    for (int row = outline.pixels.top(); row <= outline.pixels.bottom(); ++row)
        for (int column = outline.pixels.left(); column <= outline.pixels.right(); ++column)
            found.stray += image.at(column + dx, row + dy) && !rules.at(column + dx, row + dy) &&
                           !outline.nearAt(column, row);
    return found;
}

// What hinting and the pixel grid may take from a character without losing a stroke: half an
// image pixel's worth of fine pixels (a serif's tip), or a fiftieth of the character's ink (a
// stem moved across a pixel). A lost stroke is far more: the inner strokes of 月 at 6.5 points
// are a ninth of its ink.
constexpr int kSlipPixels = kFine * kFine / 2;

// Where the outline is tried against the image, in pixels: first where it belongs.
const QPoint kShifts[] = {{0, 0},   {-1, 0}, {1, 0},  {0, -1}, {0, 1},
                          {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

struct PlacedCharacter {
    std::string character;
    double left;
    double top;
};

std::vector<PlacedCharacter> charactersOfPiece(const PlacedText& text) {
    std::vector<PlacedCharacter> placed;
    const double em = text.points * kMillimetresPerPoint;
    double left = text.left;
    for (const std::string& character : charactersOf(text.text)) {
        if (character != " " && character != "\u3000")
            placed.push_back({character, left, text.top});
        left += emsOf(character) * em;
    }
    return placed;
}

// Every character of every caption against its outline: each stroke of the outline has ink
// in the image within a pixel, and the image has no ink off the rules a pixel away from the
// outline (strokes run together). Hinting moves stems onto the pixel grid, so the outline may
// sit a pixel off.
TEST_F(PageImageRenderer, EveryCaptionKeepsTheStrokesOfItsOutline) {
    for (std::string_view name : pageImageNames()) {
        SCOPED_TRACE(std::string(name));
        const FormDrawing& form = *pageImageForm(name);
        const InkGrid image(pageImage(std::string(name)));
        const InkGrid nearImageInk = image.spread();
        const InkGrid rules(
            renderFormImage(FormDrawing{form.pageWidth, form.pageHeight, form.rules, {}}));
        const double perMmX = kPageImageWidthPixels / form.pageWidth;
        const double perMmY = kPageImageHeightPixels / form.pageHeight;
        int checked = 0;
        int failed = 0;
        for (const FormCaption& caption : form.captions)
            for (const PlacedText& text : layOutCaption(caption))
                for (const PlacedCharacter& character : charactersOfPiece(text)) {
                    ++checked;
                    const Outline outline =
                        outlineOf(character.character, character.left, character.top, text.points,
                                  text.face, perMmX, perMmY);
                    const auto ink = static_cast<int>(outline.ink.size());
                    auto keeps = [&](const Comparison& c) {
                        return c.stray == 0 && (c.lost <= kSlipPixels || c.lost * 50 <= ink);
                    };
                    Comparison best{std::numeric_limits<int>::max() / 2, 0};
                    for (const QPoint shift : kShifts) {
                        const Comparison here =
                            compare(outline, image, nearImageInk, rules, shift.x(), shift.y());
                        if (here.lost + here.stray < best.lost + best.stray) best = here;
                        if (keeps(best)) break;
                    }
                    if (!keeps(best) && ++failed <= 20)
                        ADD_FAILURE()
                            << caption.text << " / " << character.character << " (" << text.points
                            << " pt at " << character.left << ", " << character.top
                            << "): " << best.lost << " of " << ink
                            << " fine pixels of strokes lost, " << best.stray << " stray pixels";
                }
        EXPECT_EQ(failed, 0) << "of " << checked << " characters";
    }
}

TEST_F(PageImageRenderer, GivesThePagesEachFormRenderedOnceAndNothingForAnUnknownName) {
    for (std::string_view name : pageImageNames()) {
        const QImage& first = pageImage(std::string(name));
        EXPECT_EQ(first.size(), QSize(kPageImageWidthPixels, kPageImageHeightPixels)) << name;
        EXPECT_EQ(pageImage(std::string(name)).cacheKey(), first.cacheKey()) << name;
    }
    EXPECT_TRUE(renderPageImage("no-such-form").isNull());
}

}  // namespace
}  // namespace nencho
