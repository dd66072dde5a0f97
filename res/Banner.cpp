// The banner lies on the page's own felt, shaded darker at the top and the
// bottom and framed in gold, so it sits on the dark page as part of it.
#include "PageImages.h"
#include "SuitShapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace corvane::res {
namespace {

constexpr int bannerWidth = 800, bannerHeight = 100;
const QColor gold(214, 178, 92);
const QColor paleGold(255, 226, 146);
const QColor cream(246, 242, 226);
const QColor cardRed(176, 32, 38);
const QColor cardBlack(24, 28, 26);
const QColor textShadow(0, 0, 0, 150);

void shadeEdges(QPainter& p) {
    QLinearGradient shade(0, 0, 0, bannerHeight);
    shade.setColorAt(0.0, QColor(0, 0, 0, 120));
    shade.setColorAt(0.35, QColor(0, 0, 0, 0));
    shade.setColorAt(0.65, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(0, 0, bannerWidth, bannerHeight, shade);
}

void drawFrame(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 2));
    p.drawRoundedRect(QRectF(4, 4, bannerWidth - 8, bannerHeight - 8), 6, 6);
    p.setPen(QPen(gold, 1));
    p.drawRoundedRect(QRectF(8.5, 8.5, bannerWidth - 17, bannerHeight - 17), 4, 4);
}

struct FanCard {
    Suit suit;
    qreal angle;
};
constexpr FanCard fan[] = {{Suit::clubs, -26}, {Suit::hearts, 0}, {Suit::spades, 26}};

void drawCardFan(QPainter& p) {
    for (const FanCard& card : fan) {
        p.save();
        p.translate(72, 90);
        p.rotate(card.angle);
        QPainterPath face;
        face.addRoundedRect(QRectF(-21, -72, 42, 60), 5, 5);
        p.fillPath(face.translated(2, 2), textShadow);
        p.fillPath(face, cream);
        p.setPen(QPen(gold, 1.5));
        p.drawPath(face);
        // The corner pip stays in sight where the next card covers the middle.
        const bool red = card.suit == Suit::hearts || card.suit == Suit::diamonds;
        const QColor ink = red ? cardRed : cardBlack;
        p.fillPath(suitPath(card.suit, 12).translated(-12, -61), ink);
        p.fillPath(suitPath(card.suit, 22).translated(2, -40), ink);
        p.restore();
    }
}

void drawShadowedText(QPainter& p, const QRect& box, const QString& text, const QColor& colour) {
    p.setPen(textShadow);
    p.drawText(box.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

QFont bannerFont(QFont::StyleHint hint, const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawTitle(QPainter& p) {
    p.setFont(bannerFont(QFont::Serif, QStringLiteral("Serif"), 40, true));
    drawShadowedText(p, QRect(146, 12, 480, 50), QStringLiteral("Corvane Tournament"), paleGold);
    p.setFont(bannerFont(QFont::SansSerif, QStringLiteral("Sans Serif"), 17, false));
    drawShadowedText(p, QRect(149, 60, 480, 26), QStringLiteral("Standings and results"), cream);
}

// The four suits in a row at the right end, in gold.
void drawSuitRow(QPainter& p) {
    constexpr qreal size = 26, spacing = 34, firstCentre = 660, middle = 50;
    qreal x = firstCentre;
    for (Suit suit : allSuits) {
        p.fillPath(suitPath(suit, size).translated(x + 1.5, middle + 1.5), textShadow);
        p.fillPath(suitPath(suit, size).translated(x, middle), gold);
        x += spacing;
    }
}

} // namespace

QImage drawBanner(const QImage& felt) {
    QImage image(bannerWidth, bannerHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QBrush(felt));
    shadeEdges(p);
    drawFrame(p);
    drawCardFan(p);
    drawTitle(p);
    drawSuitRow(p);
    return image;
}

} // namespace corvane::res
