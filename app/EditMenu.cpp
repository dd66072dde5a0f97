#include "app/EditMenu.h"

#include "app/HistoryDialog.h"
#include "app/RestoreDialog.h"
#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "platform/Services.h"
#include "store/TournamentStore.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

namespace corvane::app {

void addEditMenu(QDialog& window) {
    QMenuBar* bar = platform::templateMenuBar(window);
    if (bar == nullptr) {
        return;
    }
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction* undo = edit->addAction(QStringLiteral("Undo"));
    QAction* redo = edit->addAction(QStringLiteral("Redo"));
    undo->setObjectName(QStringLiteral("undo"));
    redo->setObjectName(QStringLiteral("redo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    // The window's own shortcuts, so they work while the menu is closed.
    window.addAction(undo);
    window.addAction(redo);
    edit->addSeparator();
    QAction* history = edit->addAction(QStringLiteral("&History..."));
    QAction* restore = edit->addAction(QStringLiteral("Restore from &Backup..."));
    history->setObjectName(QStringLiteral("history"));
    restore->setObjectName(QStringLiteral("restore"));
    QObject::connect(history, &QAction::triggered, &window, [&window] {
        HistoryDialog dialog(&window);
        platform::runModal(dialog);
    });
    QObject::connect(restore, &QAction::triggered, &window, [&window] {
        RestoreDialog dialog(&window);
        platform::runModal(dialog);
    });
    // The texts name the step, read from the journal after every change, so
    // the shortcuts work whether or not the menu was ever opened.
    const auto refresh = [edit, undo, redo] {
        undo->setText(platform::historyStepText(false));
        redo->setText(platform::historyStepText(true));
        // Without a tournament there is nothing to take back or restore.
        const TournamentStore* store = TournamentStore::instance;
        for (QAction* action : edit->actions()) {
            action->setEnabled(store != nullptr && !store->noTournamentYet);
        }
    };
    QObject::connect(edit, &QMenu::aboutToShow, edit, refresh);
    QObject::connect(&platform::changeSignals(), &platform::ChangeSignals::changed, edit, refresh);
    QObject::connect(undo, &QAction::triggered, &window,
                     [&window] { platform::stepHistory(&window, false); });
    QObject::connect(redo, &QAction::triggered, &window,
                     [&window] { platform::stepHistory(&window, true); });
    refresh();
}

} // namespace corvane::app
