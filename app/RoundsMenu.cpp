#include "app/RoundsMenu.h"

#include "app/MainDialog.h"
#include "app/RunDialog.h"
#include "dialogs/NextRoundDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "dialogs/TableEntryDialog.h"
#include "platform/DialogTemplate.h"
#include "res/ids/Rounds.h"
#include "res/ids/TableEntry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace corvane::app {

void addRoundsMenu(MainDialog& window) {
    QMenuBar* bar = platform::templateMenuBar(window);
    if (!bar) {
        return;
    }
    QMenu* menu = bar->addMenu(QStringLiteral("&Rounds"));
    QAction* next = menu->addAction(QStringLiteral("&Next Round..."));
    next->setObjectName(QString::number(ids::rounds::nextRoundCommand));
    QObject::connect(next, &QAction::triggered, &window,
                     [&window] { runDialog<dialogs::NextRoundDialog>(&window); });
    QAction* schedule = menu->addAction(QStringLiteral("&Schedule..."));
    schedule->setObjectName(QString::number(ids::rounds::scheduleCommand));
    QObject::connect(schedule, &QAction::triggered, &window,
                     [&window] { runDialog<dialogs::ScheduleDialog>(&window); });
    QAction* tableEntry = menu->addAction(QStringLiteral("&Table Entry..."));
    tableEntry->setObjectName(QString::number(ids::tableEntry::command));
    QObject::connect(tableEntry, &QAction::triggered, &window,
                     [&window] { runDialog<dialogs::TableEntryDialog>(&window); });
}

} // namespace corvane::app
