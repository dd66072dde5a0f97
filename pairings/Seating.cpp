#include "pairings/Seating.h"

#include <utility>

namespace corvane {

namespace {

void appendRound(std::vector<SeatingRow>& rows, int round, const std::vector<Table>& tables) {
    int number = 0;
    for (const Table& table : tables) {
        rows.push_back({round, ++number, table.team1, table.team2, table.repeat});
    }
}

void appendBye(std::vector<SeatingRow>& rows, int round, int team) {
    rows.push_back({round, 0, team, -1, false});
}

} // namespace

std::vector<SeatingRow> roundRows(const std::vector<Table>& tables, std::optional<int> bye) {
    std::vector<SeatingRow> rows;
    rows.reserve(tables.size() + 1);
    appendRound(rows, 0, tables);
    if (bye) {
        appendBye(rows, 0, *bye);
    }
    return rows;
}

std::vector<SeatingRow> scheduleRows(const Schedule& schedule) {
    std::size_t count = 0;
    for (const ScheduleRound& round : schedule.rounds) {
        count += round.tables.size() + round.byes.size();
    }
    std::vector<SeatingRow> rows;
    rows.reserve(count);
    int number = 0;
    for (const ScheduleRound& round : schedule.rounds) {
        appendScheduleRound(rows, ++number, round);
    }
    return rows;
}

void appendScheduleRound(std::vector<SeatingRow>& rows, int number, const ScheduleRound& round) {
    appendRound(rows, number, round.tables);
    for (const int team : round.byes) {
        appendBye(rows, number, team);
    }
}

RoundSeats::RoundSeats(const PairingProblem& problem, const RoundProposal& proposal)
    : problem_(&problem), tables_(proposal.tables), bye_(proposal.bye),
      seats_(static_cast<std::size_t>(problem.teamCount())) {
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        seats_[static_cast<std::size_t>(tables_[t].team1)] = {static_cast<int>(t), false};
        seats_[static_cast<std::size_t>(tables_[t].team2)] = {static_cast<int>(t), true};
    }
}

int& RoundSeats::teamIn(const Seat& seat) {
    if (seat.table < 0) {
        return *bye_;
    }
    Table& table = tables_[static_cast<std::size_t>(seat.table)];
    return seat.second ? table.team2 : table.team1;
}

bool RoundSeats::swapTeams(int a, int b) {
    const int count = static_cast<int>(seats_.size());
    // A team is in the round when its seat holds it; a team at no table points
    // to the bye, which may be empty or someone else's.
    const auto seated = [&](int team) {
        if (team < 0 || team >= count) {
            return false;
        }
        const Seat& seat = seats_[static_cast<std::size_t>(team)];
        return (seat.table >= 0 || bye_) && teamIn(seat) == team;
    };
    if (a == b || !seated(a) || !seated(b)) {
        return false;
    }
    Seat& seatA = seats_[static_cast<std::size_t>(a)];
    Seat& seatB = seats_[static_cast<std::size_t>(b)];
    teamIn(seatA) = b;
    teamIn(seatB) = a;
    std::swap(seatA, seatB);
    for (const Seat& seat : {seatA, seatB}) {
        if (seat.table >= 0) {
            Table& table = tables_[static_cast<std::size_t>(seat.table)];
            table.repeat = problem_->met(table.team1, table.team2);
        }
    }
    return true;
}

} // namespace corvane
