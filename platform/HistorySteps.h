#pragma once
// Undo and Redo as the windows offer them: one step of the tournament's
// history, its files written, the standings republished, a problem said.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace corvane::platform {

// Takes back (or, with `redo`, does again) the latest change, says to `owner`
// why when it cannot, and publishes when anything changed. True when it did.
bool stepHistory(QWidget* owner, bool redo);

// Journals a change that is not taken back here (a player added, a team built,
// a tournament started or loaded); a journal that cannot be written is said.
void journalChange(QWidget* owner, std::string_view action, std::vector<std::string> fields);

// "Undo Save Game Ann & Bob vs Cy & Dee", or "Undo" with nothing to take back;
// the same for Redo.
QString historyStepText(bool redo);

} // namespace corvane::platform
