#include "history/JournalText.h"

#include "history/ChangeHistory.h"

namespace corvane::history {

namespace {

// The time as the organiser reads it: no "T", no offset.
std::string readableTime(const std::string& time) {
    constexpr std::size_t dateAndTime = 19; // "2026-12-07T21:34:05"
    std::string text = time.substr(0, dateAndTime);
    if (text.size() > 10 && text[10] == 'T') {
        text[10] = ' ';
    }
    return text;
}

std::string side(const std::string& team, std::int32_t score, std::int32_t flags) {
    std::string text = team + " " + std::to_string(score);
    if (flags != 0) {
        text += " (" + std::to_string(flags) + (flags == 1 ? " flag)" : " flags)");
    }
    return text;
}

std::string numbered(std::size_t position) {
    return "Game " + std::to_string(position + 1) + ": ";
}

std::string joined(const std::vector<std::string>& fields, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < fields.size(); ++i) {
        text += (i == from ? "" : ", ") + fields[i];
    }
    return text;
}

// "save game" -> "Save Game"
std::string titled(std::string action) {
    bool start = true;
    for (char& c : action) {
        if (start && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        start = c == ' ';
    }
    return action;
}

struct Details {
    std::string operator()(const AddPlayers& change) const { return joined(change.names, 0); }
    std::string operator()(const BuildTeam& change) const {
        return change.firstPlayer + " & " + change.secondPlayer;
    }
    std::string operator()(const SaveGame& change) const {
        std::string text = numbered(change.position.value_or(0)) + describeGame(change.game);
        if (change.table > 0) {
            text += " (table " + std::to_string(change.table) + ")";
        }
        return text;
    }
    std::string operator()(const DeleteGame& change) const {
        return numbered(change.position) + describeGame(change.game);
    }
    std::string operator()(const CorrectGame& change) const {
        return numbered(change.position) + describeGame(change.before) + " \u2192 " +
               describeGame(change.after);
    }
    std::string operator()(const RenamePlayer& change) const {
        return change.from + " \u2192 " + change.to;
    }
    std::string operator()(const RestoreFiles& change) const {
        return "the tournament as it was at " + change.when;
    }
};

} // namespace

std::string describeGame(const GameRecord& game) {
    return side(game.team1Name, game.team1Score, game.team1Flags) + " vs " +
           side(game.team2Name, game.team2Score, game.team2Flags);
}

JournalText describeLine(const JournalLine& line) {
    JournalText text{readableTime(line.time), titled(line.action), {}};
    if (const std::optional<Change> change = changeOf(line)) {
        text.details = std::visit(Details{}, *change);
    } else if (line.action == undoAction || line.action == redoAction ||
               line.action == passOverAction) {
        // The step names the change it took back, did again or passed over.
        text.details = line.fields.size() > 1 ? line.fields[1] : std::string();
    } else {
        text.details = joined(line.fields, 0);
    }
    return text;
}

} // namespace corvane::history
