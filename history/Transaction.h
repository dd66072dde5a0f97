#pragma once
// Putting the data files a change wrote in place together, with its journal
// line: the tournament is either wholly as before the change or wholly as
// after it, even when the program is killed or a write fails half-way.
//
// The store stages each file beside it; the present files are kept as one
// backup version; an intent file naming the staged files and the journal line
// is written and synced (the change is decided from then on); the staged files
// are renamed over the old ones; the journal line is appended; the intent file
// is removed. Opening the tournament again finishes a decided change and
// discards an undecided one.
#include "history/Journal.h"
#include "store/Backups.h"
#include "store/SaveResult.h"
#include "store/TournamentStore.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane::history {

inline constexpr std::string_view intentFileName = ".change-in-progress";

// The points between the steps of a commit, for tests that stop it there.
enum class CommitStep { versionKept, decided, fileReplaced, journaled, finished };
using CommitHook = std::function<void(CommitStep)>;
// Called at every step; null (the default) in the program.
void setCommitHook(CommitHook hook);

struct CommitResult {
    SaveResult saved = SaveResult::success();     // the files: all in place, or none
    SaveResult journaled = SaveResult::success(); // the journal line
    SaveResult backedUp = SaveResult::success();  // the version kept before the change
    KeptVersion kept;                             // that version (no folder: none)
};

// Puts the files staged in `store` (`staged`: their final paths) in place as
// described above. `journalLine` makes the line once the version before the
// change is kept, so a line can name it. On failure before the change is
// decided, the staged files are removed and the old files stand.
CommitResult commitStaged(TournamentStore& store, const std::vector<std::string>& staged,
                          const std::function<JournalLine(const KeptVersion&)>& journalLine);

// Removes the staged files of a change that will not be made.
void discardStaged(const std::vector<std::string>& staged);

// Finishes or discards what a killed program left in the store's tournament
// folder; run before the tournament is read.
void finishInterruptedChange(const TournamentStore& store);

} // namespace corvane::history
