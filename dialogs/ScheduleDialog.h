#pragma once
// The schedule of every pair of teams of the open tournament that has not met
// yet, round by round, to print or save as a sheet.
#include "dialogs/SeatingDialog.h"

namespace corvane::dialogs {

class ScheduleDialog : public SeatingDialog {
    Q_OBJECT
public:
    explicit ScheduleDialog(QWidget* parent = nullptr);

private:
    // Makes the schedule and shows it, or says why it is not shown.
    void ShowSchedule();
};

} // namespace corvane::dialogs
