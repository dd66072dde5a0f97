#pragma once
// The one in-memory home of the current tournament.
#include "store/FileFormat.h"
#include "store/GameHashIndex.h"
#include "store/ReadResult.h"
#include "store/RecordList.h"
#include "store/Records.h"
#include "store/SaveResult.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvane {

class TournamentStore {
public:
    // Every team keeps an entry for every other, so the teams are bounded.
    static constexpr std::size_t maxTeams = 10000;

    // The process-wide store; null before createStore and after destroyStore.
    static TournamentStore* instance;
    static void createStore();
    static void destroyStore();

    TournamentStore();
    ~TournamentStore();
    TournamentStore(const TournamentStore&) = delete;
    TournamentStore& operator=(const TournamentStore&) = delete;

    // The lists, read-only: they change only through the operations below.
    RecordList<std::string> players() const { return RecordList<std::string>(players_); }
    RecordList<TeamRecord> teams() const { return RecordList<TeamRecord>(teams_); }
    RecordList<GameRecord> games() const { return RecordList<GameRecord>(games_); }

    std::string workingDirectory;
    std::string tournamentFolder;
    std::int32_t tournamentNumber = 0;
    bool noTournamentYet = true;

    // Lookups: names compared without regard to case; among names that differ only
    // in case the one spelled exactly so, then the first in list order.
    const TeamRecord* findTeam(std::string_view name) const;
    // Every team whose name equals `name` letter case aside, in no set order.
    std::vector<const TeamRecord*> teamsNamed(std::string_view name) const;
    bool hasPlayer(std::string_view name) const;

    // What the organiser does. Each keeps the indexes, statistics and played
    // marks right; writing the affected file is the caller's next step.
    void addPlayer(std::string name);
    // The same for every name of a list, in its order; one write then saves them all.
    void addPlayers(std::vector<std::string> names);
    // The team "first & second", appended after the last team.
    const TeamRecord& buildTeam(std::string_view firstPlayer, std::string_view secondPlayer);
    // Appends the game, adds it to both teams' statistics and marks them as met.
    void recordGame(GameRecord game);
    // Finds the first game whose game line is `gameLine`, takes it out of the
    // statistics, clears the two teams' played marks unless another game
    // between them remains, and destroys it. False if none matched.
    bool removeGame(std::string_view gameLine);
    // The positions in `games`, ascending, of the games one of whose team
    // names has the folded hash (foldedHash) `hash`: a few teams' games are
    // found among many without looking at every game.
    std::span<const std::uint32_t> gamesWithHash(std::size_t hash) const {
        return gameHashes_.positionsOf(hash);
    }
    // The position of the first game whose game line is `gameLine`.
    std::optional<std::size_t> findGame(std::string_view gameLine) const;
    // The same for the game at `position` in `games`, which must exist.
    void removeGameAt(std::size_t position);
    // Puts `game` at `position` (up to the number of games) as if it had been
    // recorded there: what taking back a deletion needs.
    void insertGameAt(std::size_t position, GameRecord game);
    // Replaces the game at `position` in place: statistics and marks follow.
    void replaceGameAt(std::size_t position, GameRecord game);
    // Renames the player named `oldName`: its teams get their new names and the
    // games naming them follow. False, and nothing changes, without such a player.
    bool renamePlayer(std::string_view oldName, std::string newName);

    static constexpr std::array<std::string_view, 3> dataFileNames{
        fileformat::playersFileName, fileformat::teamsFileName, fileformat::gamesFileName};

    // While staging, the writers leave each data file beside it under its
    // staged name instead of replacing it, so that several files can be put
    // in place together (see history/Transaction). endStaging gives the
    // paths of the files staged since beginStaging, in the order written.
    void beginStaging();
    std::vector<std::string> endStaging();
    static std::string stagedPath(const std::string& path);
    // Stages `contents` for the data file at `path` as it is, whatever the
    // file on disk holds now: what putting a kept version back needs.
    SaveResult stageFile(const std::string& path, std::string_view contents);
    static constexpr std::string_view stagedMark = ".staged";
    // A staged file has been put in place: later saves judge the file by it.
    void noteReplaced(const std::string& path);

    // Stable reorder of `teams` (the standings order); keeps the indexes right.
    void reorderTeams(const std::function<bool(const TeamRecord&, const TeamRecord&)>& before);

    // The read that keeps every file from being written, if any.
    std::optional<ReadResult> refusedRead() const {
        return refusedDat_ ? refusedDat_ : refusedData_;
    }

    // Reads the three data files of the tournament folder into the empty store
    // and removes what interrupted saves of ended programs left there. Refused
    // when a file exists but cannot be read as text: whatever else was read is
    // kept, and no file is written until a tournament is read again whole.
    ReadResult loadAll();
    void clearAll();

    // Data files in the tournament folder. A reader appends what it finds; a
    // writer replaces its file whole, or leaves it as it was and says why.
    // A writer refuses, leaving the file as it is, when the file changed on disk
    // since it was last read or written here, or while a read was refused.
    ReadResult readPlayers();
    ReadResult readTeams();
    ReadResult readGames();
    SaveResult writePlayers();
    SaveResult writeTeams();
    SaveResult writeGames();

    // Statistics and opponent lists.
    void applyGameResult(const GameRecord& game);
    // High and low scores are then taken from the other games, so call it while
    // the game (or an equal one) is still in `games`.
    void removeGameResult(const GameRecord& game);
    void refreshOpponentLists();

    // Tournament number and folder.
    ReadResult readTournamentNumber(const std::string& directory);
    void composeTournamentFolder();
    SaveResult writeTournamentNumber();

    // Paths inside the working directory and the tournament folder.
    std::string tournamentPath() const;                    // working directory / folder
    std::string filePath(std::string_view fileName) const; // ... / folder / fileName
    std::string tournamentDatPath() const;                 // working directory / tournament.dat

private:
    struct NameIndex;
    // What was read of the file at `path`, kept to judge later saves by.
    void noteRead(const std::string& path, const ReadResult& read);
    // Success when `path` may be replaced now, otherwise why not.
    SaveResult checkBeforeSave(const std::string& path) const;
    void noteSaved(const std::string& path, const SaveResult& saved);
    // Replaces the file at `path` when checkBeforeSave allows it.
    SaveResult saveFile(const std::string& path, std::string_view contents);
    void rebuildTeamIndex();
    TeamRecord* findTeamMutable(std::string_view name);
    TeamRecord* findTeamIndexed(std::string_view name, std::size_t hash) const;
    void appendTeam(std::unique_ptr<TeamRecord> team);
    // Takes the game at `position` out of the statistics and the marks, leaving it in place.
    void takeOutGame(std::size_t position);
    // Opponent lists: entries name teams by their number, found by name here.
    bool hasOpponent(const TeamRecord& team, std::string_view name, std::size_t hash) const;
    void addOpponent(TeamRecord& team, const TeamRecord& other);
    // Sets the played mark of every entry of `team` whose team is named `name`.
    void markOpponentPlayed(TeamRecord& team, std::string_view name, std::int32_t value);
    void markOpponentPlayed(TeamRecord& team, std::string_view name, std::size_t hash,
                            std::int32_t value);
    // Statistics and both played marks of a game already in `games`.
    void applyStoredGame(const GameRecord& game);
    void applyToTeams(const GameRecord& game, TeamRecord* first, TeamRecord* second);
    void splitTeamName(TeamRecord& team) const;

    std::vector<std::unique_ptr<TeamRecord>> teams_;
    std::vector<TeamRecord*> teamsById_; // by TeamRecord::id_, in the order teams came
    std::vector<std::unique_ptr<std::string>> players_;
    std::vector<std::unique_ptr<GameRecord>> games_;
    // Beside each game, its team names' folded hashes, kept in step with games_.
    GameHashIndex gameHashes_;
    static std::pair<std::size_t, std::size_t> hashesOf(const GameRecord& game);
    std::unique_ptr<NameIndex> index_;
    // The version of each file as last read or written here, by path.
    std::unordered_map<std::string, FileStamp> knownVersions_;
    // The refused reads that keep every file from being written.
    std::optional<ReadResult> refusedDat_;
    std::optional<ReadResult> refusedData_;
    bool staging_ = false;
    std::vector<std::string> staged_;
};

} // namespace corvane
