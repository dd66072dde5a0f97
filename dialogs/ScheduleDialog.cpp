#include "dialogs/ScheduleDialog.h"

#include "pairings/Schedule.h"
#include "reports/PageNames.h"

namespace corvane::dialogs {

ScheduleDialog::ScheduleDialog(QWidget* parent)
    : SeatingDialog(parent, QStringLiteral("Schedule"), scheduleFileName,
                    SeatingModel::Layout::schedule) {
    if (hasTeams()) {
        const Schedule schedule = scheduleRemaining(field()->problem);
        std::size_t pairs = 0;
        for (const ScheduleRound& round : schedule.rounds) {
            pairs += round.tables.size();
        }
        model().setRows(scheduleRows(schedule), field()->names);
        setSummary(QStringLiteral("%1 rounds for the %2 pairs of teams that have not met yet.")
                       .arg(schedule.rounds.size())
                       .arg(pairs));
    }
    finishControls();
}

} // namespace corvane::dialogs
