#pragma once
// The changes as the journal holds them, and what undo and redo would do now.
// The history is read from the journal (only what was added since the last
// read): the journal and the data files stay the one truth, and undo outlives
// the program.
#include "history/Change.h"
#include "history/Journal.h"
#include "store/TournamentStore.h"

#include <array>
#include <optional>
#include <string>

namespace corvane::history {

// The journal of the store's tournament.
std::string journalPath(const TournamentStore& store);

// The changes, as the journal names them.
inline constexpr std::string_view addPlayerAction = "add player";
inline constexpr std::string_view buildTeamAction = "build team";
inline constexpr std::string_view saveGameAction = "save game";
inline constexpr std::string_view deleteGameAction = "delete game";
inline constexpr std::string_view correctGameAction = "correct game";
inline constexpr std::string_view renamePlayerAction = "rename player";
inline constexpr std::string_view restoreAction = "restore backup";
inline constexpr std::string_view undoAction = "undo";
inline constexpr std::string_view redoAction = "redo";
inline constexpr std::string_view passOverAction = "pass over";

// A line for the journal, numbered after its last line.
JournalLine journalLine(const TournamentStore& store, std::string_view action,
                        std::vector<std::string> fields);

// The journal line of `change` (a saved game's position given). A restore
// names the version it put in place and `kept`, the files as they stood before.
JournalLine journalLineOf(const TournamentStore& store, const Change& change,
                          const std::array<std::string, 3>& kept);

// The change a journal line records, read back; nullopt for a line that is
// not one of the changes or whose fields do not read.
std::optional<Change> changeOf(const JournalLine& line);

// What Undo or Redo would do now: the change to make (the inverse of the
// recorded one for undo), the line it comes from and its label. `change` is
// empty when the line's fields do not read.
struct PendingStep {
    JournalLine line;
    std::string label;
    std::optional<Change> change;
};
std::optional<PendingStep> pendingStep(const TournamentStore& store, bool redo);

// "Save Game Ann & Bob vs Cy & Dee" for the menus.
std::optional<std::string> undoLabel(const TournamentStore& store);
std::optional<std::string> redoLabel(const TournamentStore& store);

} // namespace corvane::history
