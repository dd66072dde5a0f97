#include "store/TournamentStore.h"

#include "store/NameCompare.h"
#include "store/StoreIndex.h"

#include <algorithm>

namespace corvane {

TournamentStore* TournamentStore::instance = nullptr;

void TournamentStore::createStore() {
    if (instance == nullptr) {
        instance = new TournamentStore();
    }
}

void TournamentStore::destroyStore() {
    if (instance != nullptr) {
        instance->clearAll();
        delete instance;
        instance = nullptr;
    }
}

TournamentStore::TournamentStore() : index_(std::make_unique<NameIndex>()) {}
TournamentStore::~TournamentStore() = default;

// Records appended to the vectors directly, rather than through the append
// functions, are picked up here by indexing everything again.
void TournamentStore::syncTeamIndex() const {
    if (index_->indexedTeams == teams.size()) {
        return;
    }
    rebuildTeamIndex();
}

void TournamentStore::rebuildTeamIndex() const {
    index_->teamsByHash.clear();
    index_->indexedTeams = 0;
    for (const auto& team : teams) {
        index_->addTeam(team.get());
    }
}

void TournamentStore::syncPlayerIndex() const {
    if (index_->indexedPlayers == players.size()) {
        return;
    }
    index_->playersByHash.clear();
    index_->indexedPlayers = 0;
    for (const auto& player : players) {
        index_->addPlayer(player.get());
    }
}

TeamRecord* TournamentStore::findTeamIndexed(std::string_view name, std::size_t hash) const {
    syncTeamIndex();
    const auto found = index_->teamsByHash.find(hash);
    if (found == index_->teamsByHash.end()) {
        return nullptr;
    }
    // Names that differ only in case share a hash. The name spelled exactly so wins,
    // then the first in `teams`: a game keeps to the team it was entered for even
    // after the standings reorder `teams`.
    const NameIndex::IndexedTeam* first = nullptr;
    bool firstExact = false;
    std::size_t matches = 0;
    for (const NameIndex::IndexedTeam& entry : found->second) {
        if (namesEqual(entry.team->teamName, name)) {
            ++matches;
            const bool exact = entry.team->teamName == name;
            if (first == nullptr || (exact && !firstExact) ||
                (exact == firstExact && entry.position < first->position)) {
                first = &entry;
                firstExact = exact;
            }
        }
    }
    if (matches > 1) {
        const bool placed = std::all_of(
            found->second.begin(), found->second.end(), [&](const NameIndex::IndexedTeam& e) {
                return e.position < teams.size() && teams[e.position].get() == e.team;
            });
        if (!placed) {
            // `teams` was reordered behind our back: learn the new positions.
            rebuildTeamIndex();
            return findTeamIndexed(name, hash);
        }
    }
    return first == nullptr ? nullptr : first->team;
}

TeamRecord* TournamentStore::findTeam(std::string_view name) {
    return findTeamIndexed(name, foldedHash(name));
}

const TeamRecord* TournamentStore::findTeam(std::string_view name) const {
    return findTeamIndexed(name, foldedHash(name));
}

bool TournamentStore::hasPlayer(std::string_view name) const {
    syncPlayerIndex();
    const auto found = index_->playersByHash.find(foldedHash(name));
    if (found == index_->playersByHash.end()) {
        return false;
    }
    return std::any_of(found->second.begin(), found->second.end(),
                       [&](const std::string* player) { return namesEqual(*player, name); });
}

void TournamentStore::appendPlayer(std::string name) {
    syncPlayerIndex();
    players.push_back(std::make_unique<std::string>(std::move(name)));
    index_->addPlayer(players.back().get());
}

void TournamentStore::appendTeam(std::unique_ptr<TeamRecord> team) {
    syncTeamIndex();
    teams.push_back(std::move(team));
    index_->addTeam(teams.back().get());
}

void TournamentStore::appendGame(std::unique_ptr<GameRecord> game) {
    games.push_back(std::move(game));
}

void TournamentStore::reorderTeams(
    const std::function<bool(const TeamRecord&, const TeamRecord&)>& before) {
    std::stable_sort(teams.begin(), teams.end(),
                     [&](const std::unique_ptr<TeamRecord>& a,
                         const std::unique_ptr<TeamRecord>& b) { return before(*a, *b); });
    rebuildTeamIndex();
}

void TournamentStore::loadAll() {
    readPlayers();
    readTeams();
    readGames();
}

void TournamentStore::clearAll() {
    players.clear();
    teams.clear();
    games.clear();
    *index_ = NameIndex{};
}

std::string TournamentStore::tournamentPath() const {
    return workingDirectory + "/" + tournamentFolder;
}

std::string TournamentStore::filePath(std::string_view fileName) const {
    std::string path = tournamentPath();
    path += '/';
    path += fileName;
    return path;
}

std::string TournamentStore::tournamentDatPath() const {
    return workingDirectory + "/tournament.dat";
}

} // namespace corvane
