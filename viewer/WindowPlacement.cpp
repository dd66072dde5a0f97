#include "viewer/WindowPlacement.h"

#include <algorithm>

namespace corvane::viewer {

QRect placeViewer(const std::optional<QRect>& saved, const QRect& available) {
    const QRect inner = available.adjusted(0, titleBarAllowance, 0, 0);
    const QSize wanted = saved && saved->isValid() ? saved->size() : defaultViewerSize;
    const QSize size = wanted.boundedTo(inner.size());
    QRect placed(QPoint(), size);
    if (saved && saved->isValid())
        placed.moveTopLeft(saved->topLeft());
    else
        placed.moveCenter(inner.center());
    placed.moveLeft(std::clamp(placed.left(), inner.left(), inner.right() - size.width() + 1));
    placed.moveTop(std::clamp(placed.top(), inner.top(), inner.bottom() - size.height() + 1));
    return placed;
}

} // namespace corvane::viewer
