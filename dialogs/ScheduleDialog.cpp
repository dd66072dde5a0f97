#include "dialogs/ScheduleDialog.h"

#include "pairings/Schedule.h"
#include "reports/PageNames.h"

namespace corvane::dialogs {

namespace {

// A full round robin of this many teams is some two million lines; the sheet
// printed or saved from more would be too large to make.
constexpr int maxShownTeams = 2000;
constexpr std::uint64_t mebibyte = std::uint64_t{1} << 20;

} // namespace

ScheduleDialog::ScheduleDialog(QWidget* parent)
    : SeatingDialog(parent, QStringLiteral("Schedule"), scheduleFileName,
                    SeatingModel::Layout::schedule) {
    if (hasTeams()) {
        ShowSchedule();
    }
    finishControls();
}

void ScheduleDialog::ShowSchedule() {
    const PairingField& teams = *field();
    if (teams.names.size() > static_cast<std::size_t>(maxShownTeams)) {
        refuseSheet(QStringLiteral("The schedule of %1 teams is too long to show here (at "
                                   "most %2 teams). corvane-cli schedule prints it as CSV.")
                        .arg(teams.names.size())
                        .arg(maxShownTeams));
        return;
    }
    std::vector<SeatingRow> rows;
    int rounds = 0;
    std::size_t pairs = 0;
    const ScheduleOutcome outcome =
        makeSchedule(teams.problem, [&](int number, const ScheduleRound& round) {
            appendScheduleRound(rows, number, round);
            rounds = number;
            pairs += round.tables.size();
            return true;
        });
    if (outcome.refused) {
        refuseSheet(QStringLiteral("The schedule of the pairs of these %1 teams would take "
                                   "about %2 MiB of memory to make, more than the %3 MiB "
                                   "it may take.")
                        .arg(teams.names.size())
                        .arg((outcome.bytesNeeded + mebibyte - 1) / mebibyte)
                        .arg(kMaxScheduleBytes / mebibyte));
        return;
    }
    model().setRows(std::move(rows), teams.names);
    setSummary(QStringLiteral("%1 rounds for the %2 pairs of teams that have not met yet.")
                   .arg(rounds)
                   .arg(pairs));
}

} // namespace corvane::dialogs
