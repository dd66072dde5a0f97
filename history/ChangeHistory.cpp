#include "history/ChangeHistory.h"

#include "history/Restore.h"
#include "store/FileFormat.h"
#include "store/NameCompare.h"

#include <algorithm>
#include <charconv>

namespace corvane::history {

namespace {

constexpr std::size_t gameFieldCount = 6;

void appendGame(std::vector<std::string>& fields, const GameRecord& game) {
    fields.insert(fields.end(), {game.team1Name, std::to_string(game.team1Score),
                                 std::to_string(game.team1Flags), game.team2Name,
                                 std::to_string(game.team2Score), std::to_string(game.team2Flags)});
}

bool readNumber(const std::string& text, auto& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

bool readGame(const std::vector<std::string>& fields, std::size_t from, GameRecord& game) {
    if (fields.size() < from + gameFieldCount) {
        return false;
    }
    game.team1Name = fields[from];
    game.team2Name = fields[from + 3];
    return readNumber(fields[from + 1], game.team1Score) &&
           readNumber(fields[from + 2], game.team1Flags) &&
           readNumber(fields[from + 4], game.team2Score) &&
           readNumber(fields[from + 5], game.team2Flags);
}

bool sameGame(const GameRecord& a, const GameRecord& b) {
    return a.team1Name == b.team1Name && a.team2Name == b.team2Name &&
           a.team1Score == b.team1Score && a.team2Score == b.team2Score &&
           a.team1Flags == b.team1Flags && a.team2Flags == b.team2Flags;
}

bool isUndoable(std::string_view action) {
    return action == saveGameAction || action == deleteGameAction || action == correctGameAction ||
           action == renamePlayerAction || action == restoreAction;
}

// The journal as undo and redo see it: the changes that can be taken back,
// latest last, and those taken back that can be done again.
struct Stacks {
    std::vector<JournalLine> undoable;
    std::vector<JournalLine> redoable;
    std::uint64_t lastNumber = 0;
};

// The journal as read so far, so each step reads only what was added since.
struct ReadSoFar {
    JournalReader reader;
    Stacks stacks;
};

// Valid until the next call.
const Stacks& readStacks(const TournamentStore& store) {
    static ReadSoFar read;
    bool restarted = false;
    std::vector<JournalLine> added = read.reader.newLines(journalPath(store), restarted);
    if (restarted) {
        read.stacks = Stacks{};
    }
    Stacks& stacks = read.stacks;
    for (JournalLine& line : added) {
        stacks.lastNumber = std::max(stacks.lastNumber, line.number);
        if (isUndoable(line.action)) {
            stacks.redoable.clear();
            stacks.undoable.push_back(std::move(line));
            continue;
        }
        std::uint64_t target = 0;
        const bool isUndo = line.action == undoAction;
        if ((!isUndo && line.action != redoAction) || line.fields.empty() ||
            !readNumber(line.fields[0], target)) {
            continue;
        }
        // A step names the change it takes back or does again; a step whose
        // change was lost with a damaged line is left alone.
        auto& from = isUndo ? stacks.undoable : stacks.redoable;
        auto& to = isUndo ? stacks.redoable : stacks.undoable;
        if (!from.empty() && from.back().number == target) {
            to.push_back(std::move(from.back()));
            from.pop_back();
        }
    }
    return stacks;
}

JournalLine lineFor(const TournamentStore& store, std::string_view action,
                    std::vector<std::string> fields) {
    return {localTimeNow(), readStacks(store).lastNumber + 1, std::string(action),
            std::move(fields)};
}

std::string gameLabel(const GameRecord& game) {
    return game.team1Name + " vs " + game.team2Name;
}

std::string labelOf(const JournalLine& line) {
    GameRecord game;
    if (line.action == renamePlayerAction && line.fields.size() == 2) {
        return "Rename Player " + line.fields[0] + " to " + line.fields[1];
    }
    if (line.action == restoreAction && !line.fields.empty()) {
        return "Restore Backup " + line.fields[0];
    }
    const bool correct = line.action == correctGameAction;
    if (!readGame(line.fields, correct ? 1 + gameFieldCount : 1, game)) {
        return line.action;
    }
    return (line.action == saveGameAction     ? "Save Game "
            : line.action == deleteGameAction ? "Delete Game "
                                              : "Correct Game ") +
           gameLabel(game);
}

SaveResult writeAll(TournamentStore& store, bool names) {
    if (names) {
        if (SaveResult players = store.writePlayers(); !players.ok()) {
            return players;
        }
        if (SaveResult teams = store.writeTeams(); !teams.ok()) {
            return teams;
        }
    }
    return store.writeGames();
}

// Changes the store as `line` did (forward) or back; the problem when the
// store is not as the change expects it.
std::string apply(TournamentStore& store, const JournalLine& line, bool forward, bool& names) {
    const std::string unchanged = "nothing was changed: the tournament is no longer as this "
                                  "change left it (its files were changed meanwhile)";
    names = line.action == renamePlayerAction;
    if (names) {
        if (line.fields.size() != 2) {
            return unchanged;
        }
        const std::string& from = forward ? line.fields[0] : line.fields[1];
        const std::string& to = forward ? line.fields[1] : line.fields[0];
        const bool clash = store.hasPlayer(to) && !namesEqual(from, to);
        return !clash && store.renamePlayer(from, to) ? std::string() : unchanged;
    }
    std::size_t position = 0;
    GameRecord game, after;
    const bool correct = line.action == correctGameAction;
    if (line.fields.empty() || !readNumber(line.fields[0], position) ||
        !readGame(line.fields, 1, game) ||
        (correct && !readGame(line.fields, 1 + gameFieldCount, after))) {
        return unchanged;
    }
    const auto games = store.games();
    const auto holds = [&](const GameRecord& expected) {
        return position < games.size() && sameGame(games[position], expected);
    };
    // Saving adds the game at its place, deleting takes it out again.
    const bool adds = (line.action == saveGameAction) == forward;
    if (correct) {
        if (!holds(forward ? game : after)) {
            return unchanged;
        }
        store.replaceGameAt(position, forward ? after : game);
    } else if (adds) {
        if (position > games.size()) {
            return unchanged;
        }
        store.insertGameAt(position, game);
    } else {
        if (!holds(game)) {
            return unchanged;
        }
        store.removeGameAt(position);
    }
    return std::string();
}

StepResult step(TournamentStore& store, bool forward) {
    const Stacks& stacks = readStacks(store);
    const std::vector<JournalLine>& from = forward ? stacks.redoable : stacks.undoable;
    StepResult result;
    if (from.empty()) {
        result.problem = forward ? "There is nothing to redo." : "There is nothing to undo.";
        return result;
    }
    const JournalLine& change = from.back();
    result.label = labelOf(change);
    bool names = false;
    // A restore puts whole files in place itself; the other changes are made in
    // the store and then written.
    const bool restore = change.action == restoreAction;
    result.problem =
        restore ? replayRestore(store, change, forward) : apply(store, change, forward, names);
    if (!result.problem.empty()) {
        result.problem = (forward ? "Redo " : "Undo ") + result.label + ": " + result.problem + ".";
        result.done = restore; // a restore may have put some files in place
        return result;
    }
    result.done = true;
    if (SaveResult saved = restore ? SaveResult::success() : writeAll(store, names); !saved.ok()) {
        result.problem = saved.message();
        return result;
    }
    const JournalLine stepLine{localTimeNow(),
                               stacks.lastNumber + 1,
                               std::string(forward ? redoAction : undoAction),
                               {std::to_string(change.number), result.label}};
    if (SaveResult journaled = record(store, stepLine); !journaled.ok()) {
        result.problem = journaled.message();
    }
    return result;
}

} // namespace

std::string journalPath(const TournamentStore& store) {
    return store.filePath(journalFileName);
}

JournalLine savedGame(const TournamentStore& store, std::size_t position, const GameRecord& game) {
    std::vector<std::string> fields{std::to_string(position)};
    appendGame(fields, game);
    return lineFor(store, saveGameAction, std::move(fields));
}

JournalLine deletedGame(const TournamentStore& store, std::size_t position,
                        const GameRecord& game) {
    std::vector<std::string> fields{std::to_string(position)};
    appendGame(fields, game);
    return lineFor(store, deleteGameAction, std::move(fields));
}

JournalLine correctedGame(const TournamentStore& store, std::size_t position,
                          const GameRecord& before, const GameRecord& after) {
    std::vector<std::string> fields{std::to_string(position)};
    appendGame(fields, before);
    appendGame(fields, after);
    return lineFor(store, correctGameAction, std::move(fields));
}

JournalLine renamedPlayer(const TournamentStore& store, std::string_view before,
                          std::string_view after) {
    return lineFor(store, renamePlayerAction, {std::string(before), std::string(after)});
}

JournalLine noted(const TournamentStore& store, std::string_view action,
                  std::vector<std::string> fields) {
    return lineFor(store, action, std::move(fields));
}

SaveResult record(const TournamentStore& store, const JournalLine& line) {
    return appendLine(journalPath(store), line);
}

std::optional<std::string> undoLabel(const TournamentStore& store) {
    const Stacks& stacks = readStacks(store);
    return stacks.undoable.empty() ? std::nullopt : std::optional(labelOf(stacks.undoable.back()));
}

std::optional<std::string> redoLabel(const TournamentStore& store) {
    const Stacks& stacks = readStacks(store);
    return stacks.redoable.empty() ? std::nullopt : std::optional(labelOf(stacks.redoable.back()));
}

StepResult undo(TournamentStore& store) {
    return step(store, false);
}

StepResult redo(TournamentStore& store) {
    return step(store, true);
}

} // namespace corvane::history
