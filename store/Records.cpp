#include "store/Records.h"

namespace corvane {

std::string formatGameLine(const GameRecord& game) {
    std::string line;
    line.reserve(game.team1Name.size() + game.team2Name.size() + 64);
    line += game.team1Name;
    line += "   (";
    line += std::to_string(game.team1Score);
    line += ", ";
    line += std::to_string(game.team1Flags);
    line += ")   -- vs --   ";
    line += game.team2Name;
    line += "   (";
    line += std::to_string(game.team2Score);
    line += ", ";
    line += std::to_string(game.team2Flags);
    line += ")";
    return line;
}

TeamRecord::TeamRecord() = default;
TeamRecord::~TeamRecord() = default;
TeamRecord::TeamRecord(TeamRecord&&) noexcept = default;
TeamRecord& TeamRecord::operator=(TeamRecord&&) noexcept = default;

OpponentEntry OpponentList::operator[](std::size_t i) const {
    const std::uint32_t entry = team_->opponents_[i];
    const TeamRecord& other = *(*team_->teamsById_)[entry & ~TeamRecord::playedBit];
    return {other.teamName, (entry & TeamRecord::playedBit) != 0 ? 1 : 0};
}

} // namespace corvane
