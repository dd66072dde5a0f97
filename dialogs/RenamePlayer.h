#pragma once
// Renaming a misspelled player from the Add Player dialog's list.
#include <QString>
#include <functional>

class QDialog;
class QListWidget;

namespace corvane::dialogs {

// Why `newName` cannot replace `oldName`, as the organiser is told it, or
// empty when it can: the checks of a new player's name.
QString renameProblem(const QString& oldName, const QString& newName);

// Binds "Rename Player…" (F2 and the context menu) to the player list of
// `owner`: asks the new name, renames the player, its teams and their games,
// writes the three files, journals the change and republishes; `refill` then
// shows the list again.
void installRenamePlayer(QDialog& owner, QListWidget& players, std::function<void()> refill);

} // namespace corvane::dialogs
