#pragma once
#include "store/RecordList.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct OpponentEntry {
    std::string opponentName;
    std::int32_t played = 0;
};

struct GameRecord {
    std::int32_t team1Score = 0;
    std::int32_t team2Score = 0;
    std::int32_t team1Flags = 0;
    std::int32_t team2Flags = 0;
    std::string team1Name;
    std::string team2Name;
};

// The one-line text of a game, shown in the Completed Games list and used to find it again.
std::string formatGameLine(const GameRecord& game);

struct TeamRecord {
    std::string firstPlayer;
    std::string secondPlayer;
    std::string teamName;
    std::int32_t gamesPlayed = 0;
    std::int32_t wins = 0;
    std::int32_t losses = 0;
    std::int32_t winLossDifference = 0;
    // Sums of 32-bit scores and flags, kept in 64 bits so they never wrap.
    std::int64_t pointsFor = 0;
    std::int64_t pointsAgainst = 0;
    std::int64_t flagsGiven = 0;
    std::int64_t flagged = 0;
    std::int32_t previousHighScore = 0;
    std::int32_t highScore = 0;
    std::int32_t previousLowScore = 0;
    std::int32_t lowScore = 0;
    float winRatio = 0.0f;
    float averageScore = 0.0f;
    float averageOpponentScore = 0.0f;
    float averageMargin = 0.0f;
    // One entry for every other team, read-only; appended through addOpponent,
    // which keeps the lookup index.
    RecordList<OpponentEntry> opponents() const { return RecordList<OpponentEntry>(opponents_); }

    // Sets `played` on every entry whose opponentName equals `name`.
    void markOpponentPlayed(std::string_view name, std::int32_t value);
    bool hasOpponent(std::string_view name) const;
    void addOpponent(std::string name);

    TeamRecord();
    ~TeamRecord();
    TeamRecord(TeamRecord&&) noexcept;
    TeamRecord& operator=(TeamRecord&&) noexcept;

private:
    friend class TournamentStore;
    struct OpponentIndex;
    OpponentIndex& index() const;
    // The same with the name's foldedHash already known, for bulk work.
    bool hasOpponent(std::string_view name, std::size_t hash) const;
    void addOpponent(std::string name, std::size_t hash);
    void markOpponentPlayed(std::string_view name, std::size_t hash, std::int32_t value);
    void reserveOpponents(std::size_t count);

    std::vector<std::unique_ptr<OpponentEntry>> opponents_;
    mutable std::unique_ptr<OpponentIndex> index_;
};

} // namespace corvane
