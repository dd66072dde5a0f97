#include "platform/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <cstdint>

namespace corvane::platform {

DialogBaseUnits dialogBaseUnits(const QFont& font, QPaintDevice* device) {
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogBaseUnits base;
    base.x = (letters / 26 + 1) / 2;
    base.y = metrics.height();
    if (base.x < 1) {
        base.x = 1;
    }
    if (base.y < 1) {
        base.y = 1;
    }
    return base;
}

int mulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c > 0 ? c : -c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c > 0 ? c : -c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QRect dialogUnitsToPixels(const QRect& units, DialogBaseUnits base) {
    return QRect(mulDiv(units.x(), base.x, 4), mulDiv(units.y(), base.y, 8),
                 mulDiv(units.width(), base.x, 4), mulDiv(units.height(), base.y, 8));
}

} // namespace corvane::platform
