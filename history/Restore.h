#pragma once
// Going back to an earlier version of the tournament: each version kept by
// the backups is the three data files exactly as they stood together just
// before a change. A version is read and checked whole before it is offered;
// a restore goes through the one door, so it is journaled and can be undone.
#include "history/Change.h"
#include "store/SaveResult.h"
#include "store/TournamentStore.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace corvane::history {

struct TournamentVersion {
    std::string moment;                  // when it was kept, UTC, as the backups name it
    std::string when;                    // the same in local time, for the organiser
    std::string folder;                  // where its files are
    std::array<std::size_t, 3> counts{}; // players, teams, games
    std::string damage;                  // why it cannot be restored; empty: it reads cleanly
};

// Paths of the backups are kept relative to the tournament folder, so a moved
// folder keeps them, and with '/' between folders, so a journal written on
// Windows reads elsewhere.
std::string relativeToFolder(const TournamentStore& store, const std::string& path);
std::string absoluteInFolder(const TournamentStore& store, const std::string& path);

// The versions the backups hold, newest first, at most `most` of them.
std::vector<TournamentVersion> listVersions(const TournamentStore& store, std::size_t most);

// The players, teams and games the store holds now, to set beside a version's.
std::array<std::size_t, 3> currentCounts(const TournamentStore& store);

// The change that puts `version` in place.
RestoreFiles restoreOf(const TournamentStore& store, const TournamentVersion& version);

// What a restore does in the door: the version's files, read and checked whole,
// are written as the store's staged files. Failure: nothing was staged.
SaveResult stageRestore(TournamentStore& store, const RestoreFiles& change);

} // namespace corvane::history
