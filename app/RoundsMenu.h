#pragma once
// The main window's "Rounds" menu: the Next Round, Schedule and Table Entry windows.
namespace corvane::app {

class MainDialog;

// Adds the menu to the window's menu bar; each item carries its command ID as
// its object name, as the template's menu items do.
void addRoundsMenu(MainDialog& window);

} // namespace corvane::app
