#pragma once
// Beside the four buttons: what a newcomer does first while there is no
// tournament, and afterwards the tournament's name and counts, kept current.
class QDialog;

namespace corvane::app {

// Said while no tournament exists.
inline constexpr const char* noTournamentText =
    "No tournament yet: Tournament > Start New Tournament";

// Widens the main window so that every menu and the whole caption show, and puts
// the summary to the right of the buttons.
void addTournamentSummary(QDialog& window);

} // namespace corvane::app
