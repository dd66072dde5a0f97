#pragma once
// A command on the selected line of a list: from its context menu and by a key.
#include <QString>
#include <functional>

class QKeySequence;
class QListWidget;

namespace corvane::dialogs {

// Adds `text` to the context menu of `list` and binds `key` to it while the
// list has the focus; `action` runs with the selected row (none: not run).
void addListAction(QListWidget& list, const QString& text, const QKeySequence& key,
                   std::function<void(int row)> action);

} // namespace corvane::dialogs
