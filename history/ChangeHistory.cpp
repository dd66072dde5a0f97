#include "history/ChangeHistory.h"

#include "store/FileFormat.h"

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

// "table 7", as a table's game names its table in the journal.
constexpr std::string_view tablePrefix = "table ";

bool readTable(const std::string& field, int& table) {
    return field.starts_with(tablePrefix) && readNumber(field.substr(tablePrefix.size()), table) &&
           table > 0;
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
        const bool passOver = line.action == passOverAction;
        if ((!isUndo && !passOver && line.action != redoAction) || line.fields.empty() ||
            !readNumber(line.fields[0], target)) {
            continue;
        }
        // A change that can no longer be taken back, passed over with the
        // organiser's consent, leaves the way to the one before it.
        if (passOver) {
            if (!stacks.undoable.empty() && stacks.undoable.back().number == target) {
                stacks.undoable.pop_back();
            }
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

// The recorded change read back from its fields.
std::optional<Change> readChange(const JournalLine& line) {
    const auto& fields = line.fields;
    if (line.action == renamePlayerAction && fields.size() == 2) {
        return RenamePlayer{fields[0], fields[1]};
    }
    constexpr std::size_t restoreFieldCount = 7;
    if (line.action == restoreAction && fields.size() == restoreFieldCount) {
        return RestoreFiles{fields[0], {fields[1], fields[2], fields[3]}};
    }
    std::size_t position = 0;
    GameRecord game;
    if (fields.empty() || !readNumber(fields[0], position) || !readGame(fields, 1, game)) {
        return std::nullopt;
    }
    // A game a table sent carries its table after the game; older lines end with it.
    int table = 0;
    if (line.action == saveGameAction &&
        (fields.size() == 1 + gameFieldCount ||
         (fields.size() == 2 + gameFieldCount && readTable(fields.back(), table)))) {
        return SaveGame{game, position, table};
    }
    if (line.action == deleteGameAction && fields.size() == 1 + gameFieldCount) {
        return DeleteGame{position, game};
    }
    GameRecord after;
    if (line.action == correctGameAction && fields.size() == 1 + 2 * gameFieldCount &&
        readGame(fields, 1 + gameFieldCount, after)) {
        return CorrectGame{position, game, after};
    }
    return std::nullopt;
}

// What takes back `change`, recorded by `line`.
Change inverseOf(const Change& change, const JournalLine& line) {
    if (const auto* save = std::get_if<SaveGame>(&change)) {
        return DeleteGame{save->position.value_or(0), save->game};
    }
    if (const auto* removed = std::get_if<DeleteGame>(&change)) {
        return SaveGame{removed->game, removed->position};
    }
    if (const auto* correct = std::get_if<CorrectGame>(&change)) {
        return CorrectGame{correct->position, correct->after, correct->before};
    }
    if (const auto* rename = std::get_if<RenamePlayer>(&change)) {
        return RenamePlayer{rename->to, rename->from};
    }
    // A restore is taken back by the version kept just before it.
    const auto& fields = line.fields;
    return RestoreFiles{fields[0], {fields[4], fields[5], fields[6]}};
}

struct LineMaker {
    const std::array<std::string, 3>& kept;

    std::pair<std::string_view, std::vector<std::string>> operator()(const AddPlayers& c) const {
        return {addPlayerAction, c.names};
    }
    std::pair<std::string_view, std::vector<std::string>> operator()(const BuildTeam& c) const {
        return {buildTeamAction, {c.firstPlayer + " & " + c.secondPlayer}};
    }
    std::pair<std::string_view, std::vector<std::string>> operator()(const SaveGame& c) const {
        std::vector<std::string> fields = gameFields(c.position.value_or(0), {c.game});
        if (c.table > 0) {
            fields.push_back(std::string(tablePrefix) + std::to_string(c.table));
        }
        return {saveGameAction, std::move(fields)};
    }
    std::pair<std::string_view, std::vector<std::string>> operator()(const DeleteGame& c) const {
        return {deleteGameAction, gameFields(c.position, {c.game})};
    }
    std::pair<std::string_view, std::vector<std::string>> operator()(const CorrectGame& c) const {
        return {correctGameAction, gameFields(c.position, {c.before, c.after})};
    }
    std::pair<std::string_view, std::vector<std::string>> operator()(const RenamePlayer& c) const {
        return {renamePlayerAction, {c.from, c.to}};
    }
    std::pair<std::string_view, std::vector<std::string>> operator()(const RestoreFiles& c) const {
        std::vector<std::string> fields{c.when};
        fields.insert(fields.end(), c.files.begin(), c.files.end());
        fields.insert(fields.end(), kept.begin(), kept.end());
        return {restoreAction, std::move(fields)};
    }

    static std::vector<std::string> gameFields(std::size_t position,
                                               std::initializer_list<GameRecord> games) {
        std::vector<std::string> fields{std::to_string(position)};
        for (const GameRecord& game : games) {
            appendGame(fields, game);
        }
        return fields;
    }
};

std::string recordedLabel(const JournalLine& line) {
    const std::optional<Change> change = readChange(line);
    return change ? labelOf(*change) : line.action;
}

} // namespace

std::string journalPath(const TournamentStore& store) {
    return store.filePath(journalFileName);
}

JournalLine journalLine(const TournamentStore& store, std::string_view action,
                        std::vector<std::string> fields) {
    return {localTimeNow(), readStacks(store).lastNumber + 1, std::string(action),
            std::move(fields)};
}

JournalLine journalLineOf(const TournamentStore& store, const Change& change,
                          const std::array<std::string, 3>& kept) {
    auto [action, fields] = std::visit(LineMaker{kept}, change);
    return journalLine(store, action, std::move(fields));
}

std::optional<Change> changeOf(const JournalLine& line) {
    return readChange(line);
}

std::optional<PendingStep> pendingStep(const TournamentStore& store, bool redo) {
    const Stacks& stacks = readStacks(store);
    const std::vector<JournalLine>& from = redo ? stacks.redoable : stacks.undoable;
    if (from.empty()) {
        return std::nullopt;
    }
    PendingStep step{from.back(), recordedLabel(from.back()), readChange(from.back())};
    if (step.change && !redo) {
        step.change = inverseOf(*step.change, step.line);
    }
    return step;
}

std::optional<std::string> undoLabel(const TournamentStore& store) {
    const auto step = pendingStep(store, false);
    return step ? std::optional(step->label) : std::nullopt;
}

std::optional<std::string> redoLabel(const TournamentStore& store) {
    const auto step = pendingStep(store, true);
    return step ? std::optional(step->label) : std::nullopt;
}

} // namespace corvane::history
