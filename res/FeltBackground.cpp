// The felt is a dark green, its texture small periodic ripples (whole cycles
// per tile, so the first and last rows and columns meet) and a little fixed
// grain. Suits pressed into it are drawn once per neighbouring tile as well,
// so a suit that crosses an edge comes back in on the other side.
#include "PageImages.h"
#include "SuitShapes.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>

namespace corvane::res {
namespace {

constexpr int tileSize = 192; // a multiple of the 16-pixel blocks of a JPEG
constexpr int feltRed = 18, feltGreen = 66, feltBlue = 40;
constexpr double twoPi = 2 * std::numbers::pi;

struct Ripple {
    int cyclesAcross;
    int cyclesDown;
    double phase;
    double strength; // in 8-bit levels
};
// Broad mottling, then the fine diagonal twill of the weave.
constexpr std::array<Ripple, 5> ripples{{{1, 2, 0.3, 3.0},
                                         {3, -1, 1.9, 2.5},
                                         {2, 3, 4.1, 2.0},
                                         {32, 32, 0.0, 2.0},
                                         {48, -48, 0.7, 1.0}}};
constexpr int grainLevels = 5; // fixed grain spans 0 .. grainLevels - 1

// The same pseudo-random grain on every run: a small integer hash of the pixel.
int grain(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int>(h % grainLevels) - grainLevels / 2;
}

int shade(int x, int y) {
    double level = grain(x, y);
    for (const Ripple& r : ripples)
        level += r.strength *
                 std::sin(twoPi * (r.cyclesAcross * x + r.cyclesDown * y) / tileSize + r.phase);
    return static_cast<int>(std::lround(level));
}

void drawFelt(QImage& image) {
    for (int y = 0; y < tileSize; ++y)
        for (int x = 0; x < tileSize; ++x) {
            const int s = shade(x, y);
            image.setPixel(x, y, qRgb(feltRed + s / 2, feltGreen + s, feltBlue + s / 2));
        }
}

struct PlacedSuit {
    Suit suit;
    double across; // as a fraction of the tile
    double down;
};
// Two offset rows; the second row's first suit sits on the left edge.
constexpr std::array<PlacedSuit, 4> placedSuits{{{Suit::spades, 0.25, 0.25},
                                                 {Suit::hearts, 0.75, 0.25},
                                                 {Suit::diamonds, 0.0, 0.75},
                                                 {Suit::clubs, 0.5, 0.75}}};
constexpr qreal suitSize = 30;
const QColor pressedShadow(0, 0, 0, 46);
const QColor pressedLight(255, 255, 255, 10);

void drawSuits(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (const PlacedSuit& placed : placedSuits) {
        const QPainterPath path = suitPath(placed.suit, suitSize);
        for (int dy = -tileSize; dy <= tileSize; dy += tileSize)
            for (int dx = -tileSize; dx <= tileSize; dx += tileSize) {
                const QPointF centre(placed.across * tileSize + dx, placed.down * tileSize + dy);
                // A faint lit lower edge under the dark shape reads as pressed in.
                p.fillPath(path.translated(centre + QPointF(1, 1)), pressedLight);
                p.fillPath(path.translated(centre), pressedShadow);
            }
    }
}

} // namespace

QImage drawBackground() {
    QImage image(tileSize, tileSize, QImage::Format_RGB32);
    drawFelt(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawSuits(p);
    return image;
}

} // namespace corvane::res
