#pragma once
// Filling a whole list box at once.
#include <QStringList>

class QListWidget;

namespace corvane::dialogs {

// Empties `list` and adds `items`. A sorted list shows them in the order adding
// them one by one would give (equal texts in the order given); they are put in
// that order first, so each lands at the end instead of being moved.
void fillList(QListWidget& list, QStringList items);

} // namespace corvane::dialogs
