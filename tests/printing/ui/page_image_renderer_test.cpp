#include "printing/ui/page_image_renderer.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

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
