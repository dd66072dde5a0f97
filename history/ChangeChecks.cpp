#include "history/ChangeChecks.h"

#include "store/FileFormat.h"
#include "store/GameRules.h"
#include "store/NameCompare.h"
#include "store/NameRules.h"

#include <algorithm>
#include <filesystem>

namespace corvane::history {

namespace {

std::string inQuotes(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::string checkName(std::string_view name) {
    if (name.empty()) {
        return "a player's name cannot be empty";
    }
    if (hasControlCharacter(name)) {
        return "names cannot contain line breaks or other control characters";
    }
    return {};
}

bool inATeam(const TournamentStore& store, std::string_view player) {
    return std::ranges::any_of(store.teams(), [&](const TeamRecord& team) {
        return namesEqual(team.firstPlayer, player) || namesEqual(team.secondPlayer, player);
    });
}

std::string checkGame(const TournamentStore& store, const GameRecord& game) {
    for (const std::string* name : {&game.team1Name, &game.team2Name}) {
        if (store.findTeam(*name) == nullptr) {
            return "there is no team named " + inQuotes(*name);
        }
    }
    if (namesEqual(game.team1Name, game.team2Name)) {
        return "a team cannot play itself";
    }
    for (const std::int32_t score : {game.team1Score, game.team2Score}) {
        if (score < 0 || score > maximumScore) {
            return "scores must be from 0 to " + std::to_string(maximumScore);
        }
    }
    return {};
}

bool sameGame(const GameRecord& a, const GameRecord& b) {
    return a.team1Name == b.team1Name && a.team2Name == b.team2Name &&
           a.team1Score == b.team1Score && a.team2Score == b.team2Score &&
           a.team1Flags == b.team1Flags && a.team2Flags == b.team2Flags;
}

std::string checkGameAt(const TournamentStore& store, std::size_t position,
                        const GameRecord& expected) {
    const auto games = store.games();
    if (position >= games.size() || !sameGame(games[position], expected)) {
        return "the game is no longer at its place (the tournament was changed meanwhile)";
    }
    return {};
}

// A team name that a team other than `own` already has, letter case aside.
std::string checkTeamName(const TournamentStore& store, const std::string& name,
                          const TeamRecord* own) {
    const TeamRecord* other = store.findTeam(name);
    if (other != nullptr && other != own) {
        return "the team would be named " + inQuotes(name) +
               ", which is another team's name; choose a name that tells them apart";
    }
    return {};
}

struct Checker {
    const TournamentStore& store;

    std::string operator()(const AddPlayers& change) const {
        for (std::size_t i = 0; i < change.names.size(); ++i) {
            const std::string& name = change.names[i];
            if (std::string problem = checkName(name); !problem.empty()) {
                return problem;
            }
            const bool twice =
                std::any_of(change.names.begin(), change.names.begin() + i,
                            [&](const auto& earlier) { return namesEqual(earlier, name); });
            if (twice || store.hasPlayer(name)) {
                return "a player named " + inQuotes(name) + " is already registered";
            }
        }
        return {};
    }

    std::string operator()(const BuildTeam& change) const {
        for (const std::string* player : {&change.firstPlayer, &change.secondPlayer}) {
            if (!store.hasPlayer(*player)) {
                return "no player named " + inQuotes(*player) + " is registered";
            }
            if (inATeam(store, *player)) {
                return inQuotes(*player) + " already plays in a team";
            }
        }
        if (namesEqual(change.firstPlayer, change.secondPlayer)) {
            return "a team needs two different players";
        }
        return checkTeamName(
            store, fileformat::composeTeamName(change.firstPlayer, change.secondPlayer), nullptr);
    }

    std::string operator()(const SaveGame& change) const {
        if (change.position && *change.position > store.games().size()) {
            return "the game's place is beyond the last game";
        }
        return checkGame(store, change.game);
    }

    std::string operator()(const DeleteGame& change) const {
        return checkGameAt(store, change.position, change.game);
    }

    std::string operator()(const CorrectGame& change) const {
        if (std::string problem = checkGameAt(store, change.position, change.before);
            !problem.empty()) {
            return problem;
        }
        return checkGame(store, change.after);
    }

    std::string operator()(const RenamePlayer& change) const {
        if (!store.hasPlayer(change.from)) {
            return "no player named " + inQuotes(change.from) + " is registered";
        }
        if (std::string problem = checkName(change.to); !problem.empty()) {
            return problem;
        }
        // The same player in other letter case is a correction, not another player.
        if (store.hasPlayer(change.to) && !namesEqual(change.from, change.to)) {
            return "a player named " + inQuotes(change.to) + " is already registered";
        }
        for (const TeamRecord& team : store.teams()) {
            const bool first = namesEqual(team.firstPlayer, change.from);
            if (!first && !namesEqual(team.secondPlayer, change.from)) {
                continue;
            }
            const std::string renamed = fileformat::composeTeamName(
                first ? change.to : team.firstPlayer, first ? team.secondPlayer : change.to);
            if (std::string problem = checkTeamName(store, renamed, &team); !problem.empty()) {
                return problem;
            }
        }
        return {};
    }

    std::string operator()(const RestoreFiles& change) const {
        for (const std::string& file : change.files) {
            const std::filesystem::path path(file);
            const bool inside =
                path.is_relative() &&
                std::ranges::none_of(path, [](const auto& part) { return part == ".."; });
            if (!file.empty() && !inside) {
                return "the version's files are not in the tournament's backups";
            }
        }
        return {};
    }
};

} // namespace

std::string checkChange(const TournamentStore& store, const Change& change) {
    return std::visit(Checker{store}, change);
}

} // namespace corvane::history
