#pragma once
// Going back to an earlier version of the tournament's files, kept by the
// backups: each version is the three data files as they stood just before one
// of them was replaced. A restore is journaled and can be taken back.
#include "history/ChangeHistory.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace corvane::history {

inline constexpr std::string_view restoreAction = "restore backup";

struct TournamentVersion {
    std::string moment;                // of the save it came before, UTC, as the backups name it
    std::string when;                  // the same in local time, for the organiser
    std::array<std::string, 3> files;  // where players, teams and games stood then
    std::array<std::size_t, 3> counts; // players, teams, games
};

// The versions the backups hold, newest first, at most `most` of them.
std::vector<TournamentVersion> listVersions(const TournamentStore& store, std::size_t most);

// The players, teams and games the store holds now, to set beside a version's.
std::array<std::size_t, 3> currentCounts(const TournamentStore& store);

// Puts the version's files in place (the present ones kept as backups first),
// reads the tournament again and journals the restore.
StepResult restoreVersion(TournamentStore& store, const TournamentVersion& version);

// What undo and redo of a restore do: the files of `line` put back in place,
// before (`forward` false) or after it. Empty, or why not.
std::string replayRestore(TournamentStore& store, const JournalLine& line, bool forward);

} // namespace corvane::history
