#pragma once
// A screen told apart from the others by its name and its place on the desktop:
// two screens may bear the same name ("screen" on some X servers).
#include <QList>
#include <QRect>
#include <QString>

class QScreen;

namespace corvane::platform {

struct ScreenPlace {
    QString name;
    QRect geometry;
};

// "NAME@X,Y,WxH", as remembered and as given to the display's --screen.
[[nodiscard]] QString screenIdentity(const ScreenPlace& screen);
[[nodiscard]] QString screenIdentity(const QScreen& screen);

// The index in `screens` of the screen `identity` names: the one of that name
// at that place; else (a screen moved, or a bare name as a person types it)
// the first of that name; -1 when none bears it.
[[nodiscard]] qsizetype findScreen(const QList<ScreenPlace>& screens, const QString& identity);

// The desktop's screen `identity` names, or null.
[[nodiscard]] QScreen* findScreen(const QString& identity);

} // namespace corvane::platform
