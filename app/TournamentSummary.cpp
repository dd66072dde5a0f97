#include "app/TournamentSummary.h"

#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "res/ids/MainWindow.h"
#include "store/TournamentStore.h"

#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace corvane::app {
namespace {

constexpr int margin = 8;
// The window's icon and close button beside the caption in the title bar.
constexpr int titleBarControls = 120;

QString counted(std::size_t count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString summaryText() {
    const TournamentStore* store = TournamentStore::instance;
    if (!store || store->noTournamentYet != 0)
        return QString::fromLatin1(noTournamentText);
    return QStringLiteral("%1\n%2, %3, %4")
        .arg(QString::fromStdString(store->tournamentFolder),
             counted(store->players().size(), "player", "players"),
             counted(store->teams().size(), "team", "teams"),
             counted(store->games().size(), "game", "games"));
}

} // namespace

void addTournamentSummary(QDialog& window) {
    const auto* first = platform::control<QPushButton>(window, ids::mainWindow::addPlayer);
    const auto* last =
        platform::control<QPushButton>(window, ids::mainWindow::viewTournamentResults);
    QMenuBar* bar = platform::templateMenuBar(window);
    if (!first || !last)
        return;
    auto* summary = new QLabel(&window);
    summary->setObjectName(QStringLiteral("tournamentSummary"));
    summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const int left = first->geometry().right() + margin;
    const int top = first->geometry().top();
    const QFontMetrics metrics = summary->fontMetrics();
    const int textWidth = metrics.horizontalAdvance(QString::fromLatin1(noTournamentText));
    // The fixed template is narrower than the menus added to it: a small window
    // hid some of them behind an arrow and cut the caption.
    const int width =
        std::max({window.width(), left + textWidth + margin, bar ? bar->sizeHint().width() : 0,
                  window.fontMetrics().horizontalAdvance(window.windowTitle()) + titleBarControls});
    window.setFixedSize(width, window.height());
    if (bar)
        bar->setGeometry(0, 0, width, bar->height());
    summary->setGeometry(left, top, width - left - margin, last->geometry().bottom() - top);

    const auto refresh = [summary] { summary->setText(summaryText()); };
    refresh();
    QObject::connect(&platform::changeSignals(), &platform::ChangeSignals::changed, summary,
                     refresh);
}

} // namespace corvane::app
