#include "app/DisplayMenu.h"

#include "app/MainDialog.h"
#include "dialogs/ScreenChooserDialog.h"
#include "platform/DialogTemplate.h"
#include "platform/ScreenIdentity.h"
#include "platform/Services.h"
#include "res/ids/Display.h"
#include "store/TournamentStore.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <optional>

namespace corvane::app {
namespace {

constexpr const char* screenKey = "display/screen";
// Projector Display from the main window and from Game Results.
constexpr QKeyCombination displayKey{Qt::Key_F9};

QSettings programSettings() {
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("corvane"));
}

// The screen chosen, by name and place (empty: the primary one); nothing when
// cancelled. Two screens may share a name, so the name alone tells them not apart.
std::optional<QString> chooseScreen(QWidget* owner, const QString& remembered) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() <= 1)
        return screens.isEmpty() ? QString() : platform::screenIdentity(*screens.front());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QScreen* last = platform::findScreen(remembered);
    QStringList shown;
    int preselected = -1;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QScreen* screen = screens[i];
        const QSize size = screen->size();
        shown << QStringLiteral("%1 (%2 x %3)%4")
                     .arg(screen->name())
                     .arg(size.width())
                     .arg(size.height())
                     .arg(screen == primary ? QStringLiteral(", the main screen") : QString());
        if (screen == last)
            preselected = static_cast<int>(i);
        // A projector is seldom the main screen.
        if (preselected < 0 && screen != primary && remembered.isEmpty())
            preselected = static_cast<int>(i);
    }
    dialogs::ScreenChooserDialog dialog(owner, shown, preselected);
    if (platform::runModal(dialog) != QDialog::Accepted || dialog.chosen() < 0)
        return std::nullopt;
    return platform::screenIdentity(*screens[dialog.chosen()]);
}

} // namespace

void showProjectorDisplay(QWidget* owner) {
    const TournamentStore* store = TournamentStore::instance;
    platform::ViewerLauncher* viewer = platform::services().viewer;
    if (!store || !viewer)
        return;
    QSettings settings = programSettings();
    const std::optional<QString> screen =
        chooseScreen(owner, settings.value(QString::fromLatin1(screenKey)).toString());
    if (!screen)
        return;
    settings.setValue(QString::fromLatin1(screenKey), *screen);
    if (!viewer->startDisplay(store->workingDirectory, screen->toStdString()))
        platform::notify(owner,
                         QStringLiteral("The projector display could not be started: the results "
                                        "viewer (corvane-viewer) is missing or cannot run.\n\n"
                                        "Reinstall Corvane Tournament Software, then try again."),
                         QStringLiteral("Error"));
}

void addDisplayMenu(MainDialog& window) {
    QMenuBar* bar = platform::templateMenuBar(window);
    if (!bar)
        return;
    QMenu* menu = bar->addMenu(QStringLiteral("&View"));
    QAction* display = menu->addAction(QStringLiteral("&Projector Display..."));
    display->setObjectName(QString::number(ids::display::projectorDisplayCommand));
    // The menu shows the key, which works in Game Results too.
    display->setShortcut(displayKey);
    QObject::connect(display, &QAction::triggered, &window,
                     [&window] { showProjectorDisplay(&window); });
}

void addDisplayShortcut(QWidget& window) {
    auto* display = new QAction(&window);
    display->setObjectName(QString::number(ids::display::projectorDisplayCommand));
    display->setShortcut(displayKey);
    display->setShortcutContext(Qt::WindowShortcut);
    window.addAction(display);
    QObject::connect(display, &QAction::triggered, &window,
                     [&window] { showProjectorDisplay(&window); });
}

} // namespace corvane::app
