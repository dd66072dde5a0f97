#include "store/FileFormat.h"
#include "store/NameCompare.h"
#include "store/StoreIndex.h"

#include <algorithm>
#include <unordered_map>

namespace corvane {

bool TournamentStore::renamePlayer(std::string_view oldName, std::string newName) {
    const auto player = std::find_if(players_.begin(), players_.end(),
                                     [&](const auto& p) { return namesEqual(*p, oldName); });
    if (player == players_.end()) {
        return false;
    }
    auto& bucket = index_->playersByHash[foldedHash(**player)];
    std::erase(bucket, player->get());
    const std::string previous = std::exchange(**player, std::move(newName));
    index_->addPlayer(player->get());

    // Each team of the player, by its old name's fold, with its new name.
    std::unordered_map<std::string, std::string> renamed;
    for (const auto& team : teams_) {
        const bool first = namesEqual(team->firstPlayer, previous);
        const bool second = namesEqual(team->secondPlayer, previous);
        if (!first && !second) {
            continue;
        }
        (first ? team->firstPlayer : team->secondPlayer) = **player;
        std::string name = fileformat::composeTeamName(team->firstPlayer, team->secondPlayer);
        renamed.emplace(foldName(team->teamName), name);
        team->teamName = std::move(name);
    }
    if (renamed.empty()) {
        return true;
    }
    rebuildTeamIndex();
    std::vector<GameHashIndex::Hashes> hashes;
    hashes.reserve(games_.size());
    for (std::size_t i = 0; i < games_.size(); ++i) {
        GameRecord& game = *games_[i];
        for (std::string* name : {&game.team1Name, &game.team2Name}) {
            if (const auto found = renamed.find(foldName(*name)); found != renamed.end()) {
                *name = found->second;
            }
        }
        hashes.push_back(hashesOf(game));
    }
    gameHashes_.assign(std::move(hashes));
    return true;
}

} // namespace corvane
