#pragma once
// Undo and redo of the changes to games and names, kept in the tournament's
// journal so they outlive the program. The history is read from the journal
// each time: the journal and the data files stay the one truth.
#include "history/Journal.h"
#include "store/SaveResult.h"
#include "store/TournamentStore.h"

#include <optional>
#include <string>

namespace corvane::history {

// The journal of the store's tournament.
std::string journalPath(const TournamentStore& store);

// The changes that can be taken back, as the journal names them.
inline constexpr std::string_view saveGameAction = "save game";
inline constexpr std::string_view deleteGameAction = "delete game";
inline constexpr std::string_view correctGameAction = "correct game";
inline constexpr std::string_view renamePlayerAction = "rename player";
inline constexpr std::string_view undoAction = "undo";
inline constexpr std::string_view redoAction = "redo";

// Journal lines of the changes, numbered after the journal's last line.
JournalLine savedGame(const TournamentStore& store, std::size_t position, const GameRecord& game);
JournalLine deletedGame(const TournamentStore& store, std::size_t position, const GameRecord& game);
JournalLine correctedGame(const TournamentStore& store, std::size_t position,
                          const GameRecord& before, const GameRecord& after);
JournalLine renamedPlayer(const TournamentStore& store, std::string_view before,
                          std::string_view after);
// A change that is journaled but not taken back here (a player added, a team
// built, a tournament started or loaded).
JournalLine noted(const TournamentStore& store, std::string_view action,
                  std::vector<std::string> fields);

// Appends the line to the store's journal.
SaveResult record(const TournamentStore& store, const JournalLine& line);

// What Undo or Redo would do now, for a menu: "Save Game Ann & Bob vs Cy & Dee".
std::optional<std::string> undoLabel(const TournamentStore& store);
std::optional<std::string> redoLabel(const TournamentStore& store);

struct [[nodiscard]] StepResult {
    bool done = false;   // the store changed, its files were written and journaled
    std::string problem; // why nothing was done, or what could not be written
    std::string label;   // the change taken back or done again
};

// Takes back the latest change not yet taken back, or does again the latest
// taken back: changes the store, writes the files it touched and journals the
// step. Nothing changes when the store is no longer as the change left it.
StepResult undo(TournamentStore& store);
StepResult redo(TournamentStore& store);

} // namespace corvane::history
