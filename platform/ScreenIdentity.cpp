#include "platform/ScreenIdentity.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

namespace corvane::platform {
namespace {

constexpr QChar placeMark = QLatin1Char('@');

ScreenPlace placeOf(const QScreen& screen) {
    return {screen.name(), screen.geometry()};
}

// The name and place an identity gives; a bare name has no place.
ScreenPlace parse(const QString& identity) {
    static const QRegularExpression place(QStringLiteral("^(-?\\d+),(-?\\d+),(\\d+)x(\\d+)$"));
    const qsizetype mark = identity.lastIndexOf(placeMark);
    if (mark < 0)
        return {identity, {}};
    const QRegularExpressionMatch match = place.match(identity.mid(mark + 1));
    if (!match.hasMatch())
        return {identity, {}};
    constexpr int x = 1, y = 2, width = 3, height = 4;
    return {identity.left(mark),
            QRect(match.captured(x).toInt(), match.captured(y).toInt(),
                  match.captured(width).toInt(), match.captured(height).toInt())};
}

} // namespace

QString screenIdentity(const ScreenPlace& screen) {
    const QRect& g = screen.geometry;
    return QStringLiteral("%1%2%3,%4,%5x%6")
        .arg(screen.name, placeMark)
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height());
}

QString screenIdentity(const QScreen& screen) {
    return screenIdentity(placeOf(screen));
}

qsizetype findScreen(const QList<ScreenPlace>& screens, const QString& identity) {
    const ScreenPlace wanted = parse(identity);
    qsizetype sameName = -1;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        if (screens[i].name != wanted.name)
            continue;
        if (screens[i].geometry == wanted.geometry)
            return i;
        if (sameName < 0)
            sameName = i;
    }
    return sameName;
}

QScreen* findScreen(const QString& identity) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<ScreenPlace> places;
    for (const QScreen* screen : screens)
        places << placeOf(*screen);
    const qsizetype found = findScreen(places, identity);
    return found < 0 ? nullptr : screens[found];
}

} // namespace corvane::platform
