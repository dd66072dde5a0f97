#pragma once
// Who sits where: the lines of a round sheet, and a proposed round as the
// organiser rearranges it by hand.
#include "pairings/NextRound.h"
#include "pairings/Schedule.h"

#include <optional>
#include <vector>

namespace corvane {

// One line of a sheet: a table, or a team without one.
struct SeatingRow {
    int round = 0;  // 1-based round of a schedule, 0 for the next round alone
    int table = 0;  // 1-based table number, 0 for a bye
    int team1 = 0;  // place index (0 is the leader); the team with the bye
    int team2 = -1; // -1 for a bye
    bool repeat = false;
    bool isBye() const { return team2 < 0; }
    friend bool operator==(const SeatingRow&, const SeatingRow&) = default;
};

// The tables in order, numbered from 1, then the bye.
std::vector<SeatingRow> roundRows(const std::vector<Table>& tables, std::optional<int> bye);

// Round by round, each as roundRows with every team of its byes.
std::vector<SeatingRow> scheduleRows(const Schedule& schedule);

// The lines of one round of a schedule, numbered `number`, appended to `rows`.
void appendScheduleRound(std::vector<SeatingRow>& rows, int number, const ScheduleRound& round);

// A proposed round whose teams the organiser may exchange: the tables keep
// their numbers, the teams change seats, and the repeat marks follow. The
// problem must outlive it.
class RoundSeats {
public:
    RoundSeats(const PairingProblem& problem, const RoundProposal& proposal);

    const std::vector<Table>& tables() const { return tables_; }
    std::optional<int> bye() const { return bye_; }
    std::vector<SeatingRow> rows() const { return roundRows(tables_, bye_); }
    // The round's figures under the pairing rule, to set against the proposal's.
    RuleFigures figures() const { return figuresOf(*problem_, tables_, bye_); }

    // Puts team a in b's seat and b in a's (a table side or the bye). False,
    // changing nothing, for a team outside the round or a team with itself.
    bool swapTeams(int a, int b);

private:
    // A team's seat: its table and side, or the bye.
    struct Seat {
        int table = -1; // -1: the bye
        bool second = false;
    };
    int& teamIn(const Seat& seat);

    const PairingProblem* problem_;
    std::vector<Table> tables_;
    std::optional<int> bye_;
    std::vector<Seat> seats_; // by place index
};

} // namespace corvane
