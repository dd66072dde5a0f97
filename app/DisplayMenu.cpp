#include "app/DisplayMenu.h"

#include "app/MainDialog.h"
#include "dialogs/ScreenChooserDialog.h"
#include "platform/DialogTemplate.h"
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

QSettings programSettings() {
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("corvane"));
}

// The name of the screen chosen (empty: the primary one); nothing when cancelled.
std::optional<QString> chooseScreen(QWidget* owner, const QString& remembered) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() <= 1)
        return screens.isEmpty() ? QString() : screens.front()->name();
    QStringList shown;
    int preselected = -1;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QScreen* screen = screens[i];
        const QSize size = screen->size();
        shown << QStringLiteral("%1 (%2 x %3)%4")
                     .arg(screen->name())
                     .arg(size.width())
                     .arg(size.height())
                     .arg(screen == QGuiApplication::primaryScreen()
                              ? QStringLiteral(", the main screen")
                              : QString());
        if (screen->name() == remembered)
            preselected = static_cast<int>(i);
        // A projector is seldom the main screen.
        if (preselected < 0 && screen != QGuiApplication::primaryScreen() && remembered.isEmpty())
            preselected = static_cast<int>(i);
    }
    dialogs::ScreenChooserDialog dialog(owner, shown, preselected);
    if (platform::runModal(dialog) != QDialog::Accepted || dialog.chosen() < 0)
        return std::nullopt;
    return screens[dialog.chosen()]->name();
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
    QObject::connect(display, &QAction::triggered, &window,
                     [&window] { showProjectorDisplay(&window); });
}

} // namespace corvane::app
