#pragma once
// The next round of the open tournament as the pairing rule proposes it, which
// the organiser may change by swapping two teams before printing or saving the
// round sheet. A swap that seats two teams that have met is marked.
#include "dialogs/SeatingDialog.h"
#include "pairings/NextRound.h"
#include "pairings/Seating.h"

class QComboBox;

namespace corvane::dialogs {

class NextRoundDialog : public SeatingDialog {
    Q_OBJECT
public:
    explicit NextRoundDialog(QWidget* parent = nullptr);

    // Button "Swap": the two teams chosen change seats.
    void OnSwap();
    // Button "Proposed Round": back to the proposal, undoing every swap.
    void OnProposed();
    // Button "Table Entry...": the round as shown opens for entry from the
    // tables (the last round's links stop working), and Table Entry shows it.
    void OnTableEntry();

private:
    void ShowSeats();
    void FillTeamCombos();

    RoundProposal proposal_;
    std::optional<RoundSeats> seats_;
    QComboBox* first_ = nullptr;
    QComboBox* second_ = nullptr;
};

} // namespace corvane::dialogs
