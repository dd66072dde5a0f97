#include "history/Change.h"

namespace corvane::history {

namespace {

std::string gameLabel(const GameRecord& game) {
    return game.team1Name + " vs " + game.team2Name;
}

struct Labeller {
    std::string operator()(const AddPlayers& change) const {
        return change.names.size() == 1 ? "Add Player " + change.names.front()
                                        : "Add " + std::to_string(change.names.size()) + " Players";
    }
    std::string operator()(const BuildTeam& change) const {
        return "Build Team " + change.firstPlayer + " & " + change.secondPlayer;
    }
    std::string operator()(const SaveGame& change) const {
        return "Save Game " + gameLabel(change.game);
    }
    std::string operator()(const DeleteGame& change) const {
        return "Delete Game " + gameLabel(change.game);
    }
    std::string operator()(const CorrectGame& change) const {
        return "Correct Game " + gameLabel(change.after);
    }
    std::string operator()(const RenamePlayer& change) const {
        return "Rename Player " + change.from + " to " + change.to;
    }
    std::string operator()(const RestoreFiles& change) const {
        return "Restore Backup " + change.when;
    }
};

} // namespace

std::string labelOf(const Change& change) {
    return std::visit(Labeller{}, change);
}

} // namespace corvane::history
