#include "store/TournamentStore.h"

#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/NameCompare.h"
#include "store/StoreIndex.h"

#include <algorithm>
#include <utility>

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

void TournamentStore::rebuildTeamIndex() {
    index_->teamsByHash.clear();
    index_->indexedTeams = 0;
    for (const auto& team : teams_) {
        index_->addTeam(team.get());
    }
}

TeamRecord* TournamentStore::findTeamIndexed(std::string_view name, std::size_t hash) const {
    const auto found = index_->teamsByHash.find(hash);
    if (found == index_->teamsByHash.end()) {
        return nullptr;
    }
    // Names that differ only in case share a hash. The name spelled exactly so wins,
    // then the first in `teams`: a game keeps to the team it was entered for even
    // after the standings reorder `teams`.
    const NameIndex::IndexedTeam* first = nullptr;
    bool firstExact = false;
    for (const NameIndex::IndexedTeam& entry : found->second) {
        if (namesEqual(entry.team->teamName, name)) {
            const bool exact = entry.team->teamName == name;
            if (first == nullptr || (exact && !firstExact) ||
                (exact == firstExact && entry.position < first->position)) {
                first = &entry;
                firstExact = exact;
            }
        }
    }
    return first == nullptr ? nullptr : first->team;
}

TeamRecord* TournamentStore::findTeamMutable(std::string_view name) {
    return findTeamIndexed(name, foldedHash(name));
}

const TeamRecord* TournamentStore::findTeam(std::string_view name) const {
    return findTeamIndexed(name, foldedHash(name));
}

std::vector<const TeamRecord*> TournamentStore::teamsNamed(std::string_view name) const {
    std::vector<const TeamRecord*> named;
    const auto found = index_->teamsByHash.find(foldedHash(name));
    if (found != index_->teamsByHash.end()) {
        for (const NameIndex::IndexedTeam& entry : found->second) {
            if (namesEqual(entry.team->teamName, name)) {
                named.push_back(entry.team);
            }
        }
    }
    return named;
}

bool TournamentStore::hasPlayer(std::string_view name) const {
    const auto found = index_->playersByHash.find(foldedHash(name));
    if (found == index_->playersByHash.end()) {
        return false;
    }
    return std::any_of(found->second.begin(), found->second.end(),
                       [&](const std::string* player) { return namesEqual(*player, name); });
}

void TournamentStore::addPlayer(std::string name) {
    players_.push_back(std::make_unique<std::string>(std::move(name)));
    index_->addPlayer(players_.back().get());
}

void TournamentStore::addPlayers(std::vector<std::string> names) {
    players_.reserve(players_.size() + names.size());
    for (std::string& name : names) {
        addPlayer(std::move(name));
    }
}

const TeamRecord& TournamentStore::buildTeam(std::string_view firstPlayer,
                                             std::string_view secondPlayer) {
    auto team = std::make_unique<TeamRecord>();
    team->firstPlayer = firstPlayer;
    team->secondPlayer = secondPlayer;
    team->teamName = fileformat::composeTeamName(firstPlayer, secondPlayer);
    appendTeam(std::move(team));
    return *teams_.back();
}

void TournamentStore::appendTeam(std::unique_ptr<TeamRecord> team) {
    team->id_ = static_cast<std::uint32_t>(teamsById_.size());
    team->teamsById_ = &teamsById_;
    teamsById_.push_back(team.get());
    teams_.push_back(std::move(team));
    index_->addTeam(teams_.back().get());
}

void TournamentStore::recordGame(GameRecord game) {
    games_.push_back(std::make_unique<GameRecord>(std::move(game)));
    gameHashes_.append(hashesOf(*games_.back()));
    applyStoredGame(*games_.back());
}

std::pair<std::size_t, std::size_t> TournamentStore::hashesOf(const GameRecord& game) {
    return {foldedHash(game.team1Name), foldedHash(game.team2Name)};
}

void TournamentStore::applyStoredGame(const GameRecord& game) {
    TeamRecord* first = findTeamMutable(game.team1Name);
    TeamRecord* second = findTeamMutable(game.team2Name);
    applyToTeams(game, first, second);
    if (first != nullptr) {
        markOpponentPlayed(*first, game.team2Name, 1);
    }
    if (second != nullptr) {
        markOpponentPlayed(*second, game.team1Name, 1);
    }
}

void TournamentStore::reorderTeams(
    const std::function<bool(const TeamRecord&, const TeamRecord&)>& before) {
    std::stable_sort(teams_.begin(), teams_.end(),
                     [&](const std::unique_ptr<TeamRecord>& a,
                         const std::unique_ptr<TeamRecord>& b) { return before(*a, *b); });
    // The same teams under the same names: only their positions move.
    std::vector<std::size_t> positionById(teamsById_.size());
    for (std::size_t i = 0; i < teams_.size(); ++i) {
        positionById[teams_[i]->id_] = i;
    }
    for (auto& [hash, entries] : index_->teamsByHash) {
        for (NameIndex::IndexedTeam& entry : entries) {
            entry.position = positionById[entry.team->id_];
        }
    }
}

ReadResult TournamentStore::loadAll() {
    removeLeftoverTemporaries(tournamentPath());
    refusedData_.reset();
    std::optional<ReadResult> first;
    for (ReadResult (TournamentStore::*reader)() :
         {&TournamentStore::readPlayers, &TournamentStore::readTeams,
          &TournamentStore::readGames}) {
        ReadResult read = ReadResult::missing();
        try {
            read = (this->*reader)();
        } catch (const std::bad_alloc&) {
            // Absurd content must be refused, never end the program.
            read = ReadResult::refused(tournamentPath(), "there is not enough memory to read it");
            noteRead(read.file(), read);
        }
        if (read.refused() && !first) {
            first = std::move(read);
        }
    }
    return first ? *first : ReadResult::read(stampOf(tournamentPath()));
}

void TournamentStore::beginStaging() {
    staging_ = true;
    staged_.clear();
}

std::vector<std::string> TournamentStore::endStaging() {
    staging_ = false;
    return std::exchange(staged_, {});
}

std::string TournamentStore::stagedPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name) + "." + path.substr(name) + std::string(stagedMark);
}

SaveResult TournamentStore::stageFile(const std::string& path, std::string_view contents) {
    SaveResult saved = writeFileAtomically(stagedPath(path), contents);
    if (saved.ok()) {
        staged_.push_back(path);
    }
    return saved;
}

void TournamentStore::noteReplaced(const std::string& path) {
    knownVersions_[path] = stampOf(path);
}

SaveResult TournamentStore::saveFile(const std::string& path, std::string_view contents) {
    SaveResult saved = checkBeforeSave(path);
    if (saved.ok() && staging_) {
        saved = writeFileAtomically(stagedPath(path), contents);
        if (saved.ok()) {
            staged_.push_back(path);
        }
        return saved;
    }
    if (saved.ok()) {
        saved = writeFileAtomically(path, contents);
        noteSaved(path, saved);
    }
    return saved;
}

void TournamentStore::clearAll() {
    players_.clear();
    teams_.clear();
    teamsById_.clear();
    games_.clear();
    gameHashes_.clear();
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
    return workingDirectory + "/" + std::string(fileformat::tournamentDatFileName);
}

} // namespace corvane
