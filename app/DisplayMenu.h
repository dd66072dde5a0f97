#pragma once
// The main window's "View" menu: the standings full screen for the players.
class QWidget;

namespace corvane::app {

class MainDialog;

// Adds the menu to the window's menu bar; its item carries its command ID as its
// object name, as the template's menu items do.
void addDisplayMenu(MainDialog& window);

// The same command on F9 in `window` (Game Results, where the organiser spends
// the tournament and the main window cannot be reached).
void addDisplayShortcut(QWidget& window);

// Starts the projector display of the current tournament's working directory on
// the screen the organiser chooses (asked only when there is more than one,
// remembered for the next time).
void showProjectorDisplay(QWidget* owner);

} // namespace corvane::app
