// Outlines are drawn in a unit box (-0.5 .. 0.5 both ways, y down) and then
// scaled, so every user of a suit gets the same proportions.
#include "SuitShapes.h"

#include <QPolygonF>
#include <QTransform>

namespace corvane::res {
namespace {

constexpr qreal lobeRadius = 0.21;

QPainterPath heart() {
    QPainterPath path(QPointF(0, 0.45));
    path.cubicTo(-0.1, 0.3, -0.5, 0.05, -0.5, -0.18);
    path.cubicTo(-0.5, -0.45, -0.1, -0.5, 0, -0.25);
    path.cubicTo(0.1, -0.5, 0.5, -0.45, 0.5, -0.18);
    path.cubicTo(0.5, 0.05, 0.1, 0.3, 0, 0.45);
    return path;
}

// The flared stem under a spade or a club.
QPainterPath stem(qreal top) {
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(0, top), QPointF(0.17, 0.5), QPointF(-0.17, 0.5)}));
    path.closeSubpath();
    return path;
}

QPainterPath spade() {
    // An upside-down heart, a little smaller, above the stem.
    QTransform flip;
    flip.translate(0, -0.1);
    flip.scale(0.9, -0.85);
    return flip.map(heart()).united(stem(0.0));
}

QPainterPath club() {
    QPainterPath lobes;
    lobes.addEllipse(QPointF(0, -0.26), lobeRadius, lobeRadius);
    lobes.addEllipse(QPointF(-0.24, 0.06), lobeRadius, lobeRadius);
    lobes.addEllipse(QPointF(0.24, 0.06), lobeRadius, lobeRadius);
    lobes.addEllipse(QPointF(0, -0.02), lobeRadius / 2, lobeRadius / 2);
    lobes.setFillRule(Qt::WindingFill);
    return lobes.simplified().united(stem(0.0));
}

QPainterPath diamond() {
    QPainterPath path;
    path.addPolygon(
        QPolygonF({QPointF(0, -0.5), QPointF(0.37, 0), QPointF(0, 0.5), QPointF(-0.37, 0)}));
    path.closeSubpath();
    return path;
}

QPainterPath unitPath(Suit suit) {
    switch (suit) {
    case Suit::spades:
        return spade();
    case Suit::hearts:
        return heart();
    case Suit::diamonds:
        return diamond();
    case Suit::clubs:
        return club();
    }
    return {};
}

} // namespace

QPainterPath suitPath(Suit suit, qreal size) {
    return QTransform::fromScale(size, size).map(unitPath(suit));
}

} // namespace corvane::res
