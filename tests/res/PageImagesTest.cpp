// The default page images as the build drew them: the pages put white and
// pale yellow headings straight on the background, so its brightest pixel
// must still leave them readable, and the tile must repeat without seams.
#include <QImage>
#include <QSize>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

constexpr double minimumContrast = 4.5; // the usual floor for normal-size text
constexpr double seamAllowance = 2.0;   // edge step against the tile's own mean step

QImage loadImage(const char* name) {
    const QString path = QStringLiteral(CORVANE_DEFAULT_IMAGES "/") + QLatin1String(name);
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

double linearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Relative luminance of an sRGB colour, as the accessibility guidelines define it.
double luminance(QRgb rgb) {
    return 0.2126 * linearChannel(qRed(rgb)) + 0.7152 * linearChannel(qGreen(rgb)) +
           0.0722 * linearChannel(qBlue(rgb));
}

double contrastRatio(double lighter, double darker) {
    return (lighter + 0.05) / (darker + 0.05);
}

double brightestLuminance(const QImage& image) {
    double brightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            brightest = std::max(brightest, luminance(image.pixel(x, y)));
    return brightest;
}

TEST(PageImagesTest, EveryBackgroundPixelLeavesTheHeadingsReadable) {
    const QImage back = loadImage("back.jpg");
    ASSERT_FALSE(back.isNull());
    // Pale yellow, the darker heading colour: white stands out more than it does.
    const QRgb paleYellow = qRgb(0xFF, 0xFF, 0xCC);
    EXPECT_GE(contrastRatio(luminance(paleYellow), brightestLuminance(back)), minimumContrast);
}

// Mean difference per channel between two whole columns, or two whole rows.
double lineDifference(const QImage& image, bool columns, int a, int b) {
    const int length = columns ? image.height() : image.width();
    long sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb p = columns ? image.pixel(a, i) : image.pixel(i, a);
        const QRgb q = columns ? image.pixel(b, i) : image.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return static_cast<double>(sum) / (3.0 * length);
}

TEST(PageImagesTest, BackgroundTileJoinsWithoutSeams) {
    const QImage back = loadImage("back.jpg");
    ASSERT_FALSE(back.isNull());
    for (const bool columns : {true, false}) {
        SCOPED_TRACE(columns ? "left and right edges" : "top and bottom edges");
        const int lines = columns ? back.width() : back.height();
        double inside = 0;
        for (int i = 0; i + 1 < lines; ++i)
            inside += lineDifference(back, columns, i, i + 1);
        inside /= lines - 1;
        EXPECT_LE(lineDifference(back, columns, lines - 1, 0), seamAllowance * inside);
    }
}

TEST(PageImagesTest, BannerIsEightHundredByOneHundred) {
    EXPECT_EQ(loadImage("title.jpg").size(), QSize(800, 100));
}

} // namespace
} // namespace corvane::testing
