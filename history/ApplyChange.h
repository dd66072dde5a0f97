#pragma once
// The one door through which the tournament changes, from any window, the
// journal (undo, redo) or a table's result: the change is checked against the
// store, made, its files written together as one transaction, journaled, and
// then the observer is told once, so that pages, lists and menus follow.
#include "history/Change.h"
#include "store/TournamentStore.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::history {

struct ChangeOutcome {
    bool done = false;   // made, written and (unless `problem` says otherwise) journaled
    std::string label;   // "Save Game Ann & Bob vs Cy & Dee"
    std::string problem; // why it was refused, or what could not be written: a sentence
    // Not made because the tournament is not as the change needs it (a team
    // gone, the game no longer at its place): nothing was written.
    bool refused = false;
    // No earlier version could be kept before the change (the change is made).
    std::string backupsProblem;
    // Whether the pages show something that changed, and whose pages: the
    // teams of the games changed, or every page (nullopt) after a rename or
    // a restore. Players and teams added change no page until they play.
    bool pagesChanged = false;
    std::optional<std::vector<std::string>> teamsChanged;
    // A write failed and the store was read again from the files, which hold
    // the tournament as it was before the change.
    bool reread = false;
};

class ChangeObserver {
public:
    virtual ~ChangeObserver() = default;
    // After every change made, and after a failed one that read the store again.
    virtual void changed(const ChangeOutcome& outcome) = 0;
};

// The one observer (the program's publisher and windows); null: none.
void setChangeObserver(ChangeObserver* observer);

// Checks, makes, writes and journals `change`.
ChangeOutcome applyChange(TournamentStore& store, Change change);

// Takes back the latest change not yet taken back, or does again the latest
// taken back, through the same checks: refused, with the reason, when the
// tournament is no longer as the change left it.
ChangeOutcome undoChange(TournamentStore& store);
ChangeOutcome redoChange(TournamentStore& store);

// Journals that the change Undo would take back is passed over (it can no
// longer be taken back), so Undo goes on to the one before it.
ChangeOutcome passOverUndo(TournamentStore& store);

} // namespace corvane::history
