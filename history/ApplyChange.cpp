#include "history/ApplyChange.h"

#include "history/ChangeChecks.h"
#include "history/ChangeHistory.h"
#include "history/Restore.h"
#include "history/Transaction.h"
#include "store/FileSystem.h"

#include <filesystem>

namespace corvane::history {

namespace {

ChangeObserver*& observer() {
    static ChangeObserver* installed = nullptr;
    return installed;
}

void tell(const ChangeOutcome& outcome) {
    if (observer() != nullptr && (outcome.done || outcome.reread)) {
        observer()->changed(outcome);
    }
}

// Changes the store as `change` asks and writes (stages) the files it touches.
struct Maker {
    TournamentStore& store;

    SaveResult operator()(const AddPlayers& change) const {
        store.addPlayers(change.names);
        return store.writePlayers();
    }
    SaveResult operator()(const BuildTeam& change) const {
        (void)store.buildTeam(change.firstPlayer, change.secondPlayer);
        return store.writeTeams();
    }
    SaveResult operator()(const SaveGame& change) const {
        store.insertGameAt(change.position.value_or(store.games().size()), change.game);
        return store.writeGames();
    }
    SaveResult operator()(const DeleteGame& change) const {
        store.removeGameAt(change.position);
        return store.writeGames();
    }
    SaveResult operator()(const CorrectGame& change) const {
        store.replaceGameAt(change.position, change.after);
        return store.writeGames();
    }
    SaveResult operator()(const RenamePlayer& change) const {
        (void)store.renamePlayer(change.from, change.to);
        for (SaveResult (TournamentStore::*writer)() :
             {&TournamentStore::writePlayers, &TournamentStore::writeTeams,
              &TournamentStore::writeGames}) {
            if (SaveResult saved = (store.*writer)(); !saved.ok()) {
                return saved;
            }
        }
        return SaveResult::success();
    }
    SaveResult operator()(const RestoreFiles& change) const { return stageRestore(store, change); }
};

// The teams whose pages `change` alters; nullopt: every page.
struct PagesOf {
    using Teams = std::optional<std::vector<std::string>>;
    Teams operator()(const AddPlayers&) const { return std::vector<std::string>{}; }
    Teams operator()(const BuildTeam&) const { return std::vector<std::string>{}; }
    Teams operator()(const SaveGame& change) const { return of({&change.game}); }
    Teams operator()(const DeleteGame& change) const { return of({&change.game}); }
    Teams operator()(const CorrectGame& change) const {
        return of({&change.before, &change.after});
    }
    Teams operator()(const RenamePlayer&) const { return std::nullopt; }
    Teams operator()(const RestoreFiles&) const { return std::nullopt; }

    static Teams of(std::initializer_list<const GameRecord*> games) {
        std::vector<std::string> teams;
        for (const GameRecord* game : games) {
            teams.push_back(game->team1Name);
            teams.push_back(game->team2Name);
        }
        return teams;
    }
};

// The store as the files hold it, after a change that was not made.
void readAgain(TournamentStore& store) {
    store.clearAll();
    (void)store.loadAll();
}

// The files as they stood before the change, relative to the tournament folder.
std::array<std::string, 3> keptFiles(const TournamentStore& store, const KeptVersion& kept) {
    std::array<std::string, 3> files;
    if (kept.folder.empty()) {
        return files;
    }
    const std::filesystem::path folder = os::pathOf(kept.folder);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto path = folder / TournamentStore::dataFileNames[i];
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
            files[i] = relativeToFolder(store, os::utf8Of(path));
        }
    }
    return files;
}

// The door itself. `step` is the undo or redo line to journal instead of
// the change's own (empty action: the change's own); `asked` names what the
// organiser asked for in a refusal.
ChangeOutcome commit(TournamentStore& store, Change change, const JournalLine& step,
                     const std::string& asked) {
    ChangeOutcome outcome;
    outcome.label = labelOf(change);
    if (auto* save = std::get_if<SaveGame>(&change); save != nullptr && !save->position) {
        save->position = store.games().size();
    }
    if (std::string problem = checkChange(store, change); !problem.empty()) {
        outcome.problem = asked + " was not done: " + problem + ".";
        outcome.refused = true;
        return outcome;
    }
    const bool restore = std::holds_alternative<RestoreFiles>(change);
    outcome.teamsChanged = std::visit(PagesOf{}, change);
    outcome.pagesChanged = !outcome.teamsChanged || !outcome.teamsChanged->empty();
    if (const auto refused = store.refusedRead(); refused && !restore) {
        outcome.problem = refused->openingMessage();
        return outcome;
    }
    store.beginStaging();
    const SaveResult written = std::visit(Maker{store}, change);
    const std::vector<std::string> staged = store.endStaging();
    if (!written.ok()) {
        discardStaged(staged);
        readAgain(store);
        outcome.problem = written.message();
        outcome.reread = true;
        outcome.pagesChanged = false; // the files are as before the change
        tell(outcome);
        return outcome;
    }
    const CommitResult committed = commitStaged(store, staged, [&](const KeptVersion& kept) {
        if (!step.action.empty()) {
            return journalLine(store, step.action, step.fields);
        }
        return journalLineOf(store, change, keptFiles(store, kept));
    });
    if (!committed.backedUp.ok()) {
        outcome.backupsProblem = committed.backedUp.message();
    }
    if (restore || !committed.saved.ok()) {
        // A restore's files are read in; a failed commit leaves the files as
        // they were before it, or finishes it when it was decided.
        if (!committed.saved.ok()) {
            finishInterruptedChange(store);
        }
        readAgain(store);
    }
    if (!committed.saved.ok()) {
        outcome.problem = committed.saved.message();
        outcome.reread = true;
        outcome.teamsChanged.reset(); // whatever the files now hold
    } else {
        outcome.done = true;
        if (!committed.journaled.ok()) {
            outcome.problem = committed.journaled.message();
        }
    }
    tell(outcome);
    return outcome;
}

ChangeOutcome step(TournamentStore& store, bool redo) {
    const std::optional<PendingStep> pending = pendingStep(store, redo);
    ChangeOutcome outcome;
    if (!pending) {
        outcome.problem = redo ? "There is nothing to redo." : "There is nothing to undo.";
        return outcome;
    }
    const std::string verb = redo ? "Redo " : "Undo ";
    if (!pending->change) {
        outcome.label = pending->label;
        outcome.problem = verb + pending->label + " was not done: its journal line is damaged.";
        outcome.refused = true;
        return outcome;
    }
    const JournalLine line{{},
                           0,
                           std::string(redo ? redoAction : undoAction),
                           {std::to_string(pending->line.number), pending->label}};
    outcome = commit(store, *pending->change, line, verb + pending->label);
    outcome.label = pending->label;
    return outcome;
}

} // namespace

void setChangeObserver(ChangeObserver* installed) {
    observer() = installed;
}

ChangeOutcome applyChange(TournamentStore& store, Change change) {
    const std::string asked = labelOf(change);
    return commit(store, std::move(change), JournalLine{}, asked);
}

ChangeOutcome undoChange(TournamentStore& store) {
    return step(store, false);
}

ChangeOutcome redoChange(TournamentStore& store) {
    return step(store, true);
}

ChangeOutcome passOverUndo(TournamentStore& store) {
    ChangeOutcome outcome;
    const std::optional<PendingStep> pending = pendingStep(store, false);
    if (!pending) {
        outcome.problem = "There is nothing to undo.";
        return outcome;
    }
    outcome.label = pending->label;
    const JournalLine line =
        journalLine(store, passOverAction, {std::to_string(pending->line.number), pending->label});
    if (SaveResult journaled = appendLine(journalPath(store), line); !journaled.ok()) {
        outcome.problem = journaled.message();
        return outcome;
    }
    outcome.done = true;
    tell(outcome);
    return outcome;
}

} // namespace corvane::history
