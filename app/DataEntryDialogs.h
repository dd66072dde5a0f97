#pragma once
// The three data-entry dialogs, each run modally over the main window.
class QWidget;

namespace corvane::app {

void runAddPlayer(QWidget* owner);
void runTeamBuilder(QWidget* owner);
void runGameResults(QWidget* owner);

} // namespace corvane::app
