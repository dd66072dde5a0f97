#include "viewer/WindowPlacement.h"

#include <algorithm>

namespace corvane::viewer {
namespace {

// How far a viewer moves off another at its place: the other's title bar shows.
constexpr int cascadeStep = titleBarAllowance;

QRect keptOn(QRect placed, const QRect& inner) {
    placed.moveLeft(std::clamp(placed.left(), inner.left(), inner.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), inner.top(), inner.bottom() - placed.height() + 1));
    return placed;
}

bool hiddenBy(const QRect& placed, const QList<QRect>& others) {
    return std::any_of(others.begin(), others.end(), [&](const QRect& other) {
        return (other.topLeft() - placed.topLeft()).manhattanLength() < cascadeStep;
    });
}

} // namespace

QRect placeViewer(const std::optional<QRect>& saved, const QRect& available,
                  const QList<QRect>& others) {
    const QRect inner = available.adjusted(0, titleBarAllowance, 0, 0);
    QSize wanted = saved && saved->isValid() ? saved->size() : defaultViewerSize;
    wanted.setWidth(std::max(wanted.width(), defaultViewerSize.width()));
    const QSize size = wanted.boundedTo(inner.size());
    QRect placed(QPoint(), size);
    if (saved && saved->isValid())
        placed.moveTopLeft(saved->topLeft());
    else
        placed.moveCenter(inner.center());
    placed = keptOn(placed, inner);
    // Each step clears at most one place, so as many steps as others will do.
    for (qsizetype step = 0; step < others.size() && hiddenBy(placed, others); ++step) {
        const QRect moved = placed.translated(cascadeStep, cascadeStep);
        placed = inner.contains(moved) ? moved : QRect(inner.topLeft(), size);
    }
    return placed;
}

QRect rememberedPlacement(const QRect& current, const QRect& placed, const QSize& wanted) {
    if (current.size() != placed.size() || placed.size() == wanted)
        return current;
    return {current.topLeft(), wanted};
}

QRect normalDisplayGeometry(const QRect& available) {
    constexpr int parts = 3;
    constexpr int taken = 2;
    const QRect inner = available.adjusted(0, titleBarAllowance, 0, 0);
    QRect placed(QPoint(), QSize(inner.width() * taken / parts, inner.height() * taken / parts));
    placed.moveCenter(inner.center());
    return placed;
}

} // namespace corvane::viewer
