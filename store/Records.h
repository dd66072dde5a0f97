#pragma once
#include "store/RecordList.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One entry of a team's opponent list, as read: the other team's name (valid
// while that team stays in the store) and whether the two have played.
struct OpponentEntry {
    std::string_view opponentName;
    std::int32_t played = 0;
};

struct TeamRecord;
class OpponentList;

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
    // One entry for every other team, read-only; kept by the store.
    OpponentList opponents() const;

    TeamRecord();
    ~TeamRecord();
    TeamRecord(TeamRecord&&) noexcept;
    TeamRecord& operator=(TeamRecord&&) noexcept;

private:
    friend class TournamentStore;
    friend class OpponentList;
    static constexpr std::uint32_t none = 0xFFFFFFFFu;
    static constexpr std::uint32_t playedBit = 0x80000000u;

    // The store's number for this team, which no reorder changes.
    std::uint32_t id_ = none;
    // The store's teams by number, to name the opponents.
    const std::vector<TeamRecord*>* teamsById_ = nullptr;
    // The opponents in list order, each a team's number with playedBit set once
    // the two have played: four bytes an entry, not a copy of a name.
    std::vector<std::uint32_t> opponents_;
    // Where each team's number stands in opponents_, `none` where it does not.
    std::vector<std::uint32_t> positionOf_;
};

// The opponent entries of one team, made as they are read.
class OpponentList {
public:
    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = OpponentEntry;
        using difference_type = std::ptrdiff_t;
        Iterator() = default;
        Iterator(const OpponentList* list, std::size_t at) : list_(list), at_(at) {}
        OpponentEntry operator*() const { return (*list_)[at_]; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        Iterator operator++(int) { return Iterator(list_, at_++); }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.at_ == b.at_; }

    private:
        const OpponentList* list_ = nullptr;
        std::size_t at_ = 0;
    };

    explicit OpponentList(const TeamRecord& team) : team_(&team) {}
    std::size_t size() const { return team_->opponents_.size(); }
    bool empty() const { return team_->opponents_.empty(); }
    OpponentEntry operator[](std::size_t i) const;
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, size()); }

private:
    const TeamRecord* team_;
};

inline OpponentList TeamRecord::opponents() const {
    return OpponentList(*this);
}

} // namespace corvane
