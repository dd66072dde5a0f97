#pragma once
// The main window's Edit menu: Undo and Redo of the changes to games and names.
class QDialog;

namespace corvane::app {

void addEditMenu(QDialog& window);

} // namespace corvane::app
