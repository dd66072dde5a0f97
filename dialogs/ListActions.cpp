#include "dialogs/ListActions.h"

#include <QAction>
#include <QListWidget>

namespace corvane::dialogs {

void addListAction(QListWidget& list, const QString& text, const QKeySequence& key,
                   std::function<void(int row)> action) {
    auto* command = new QAction(text, &list);
    command->setShortcut(key);
    command->setShortcutContext(Qt::WidgetShortcut);
    list.setContextMenuPolicy(Qt::ActionsContextMenu);
    list.addAction(command);
    QObject::connect(command, &QAction::triggered, &list, [&list, action = std::move(action)] {
        const QList<QListWidgetItem*> selected = list.selectedItems();
        if (!selected.isEmpty()) {
            action(list.row(selected.front()));
        }
    });
}

} // namespace corvane::dialogs
