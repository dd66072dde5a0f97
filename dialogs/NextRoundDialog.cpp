#include "dialogs/NextRoundDialog.h"

#include "dialogs/TableEntryDialog.h"
#include "platform/DialogRunner.h"
#include "platform/TableDesk.h"
#include "reports/PageNames.h"
#include "reports/Standings.h"
#include "res/ids/Rounds.h"
#include "res/ids/TableEntry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <initializer_list>

namespace corvane::dialogs {
namespace {

namespace id = ids::rounds;

// Room in each team list for a long team name and its place.
constexpr int teamComboCharacters = 24;

QComboBox* addTeamCombo(QWidget& window, QHBoxLayout& row, int controlId) {
    auto* combo = new QComboBox(&window);
    combo->setObjectName(QString::number(controlId));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(teamComboCharacters);
    row.addWidget(combo, 1);
    return combo;
}

// "2 tables seat teams that have met before" and the like, with the
// proposal's count beside it once the organiser's swaps have changed it.
QString repeatsText(int repeats, int proposed) {
    QString text =
        repeats == 0 ? QStringLiteral("No table seats teams that have met before.")
        : repeats == 1
            ? QStringLiteral("1 table seats teams that have met before (marked).")
            : QStringLiteral("%1 tables seat teams that have met before (marked).").arg(repeats);
    if (repeats != proposed) {
        text += QStringLiteral(" The proposed round had %1.").arg(proposed);
    }
    return text;
}

} // namespace

NextRoundDialog::NextRoundDialog(QWidget* parent)
    : SeatingDialog(parent, QStringLiteral("Next Round"), nextRoundFileName,
                    SeatingModel::Layout::round) {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("S&wap"), this);
    row->addWidget(label);
    first_ = addTeamCombo(*this, *row, id::swapFirst);
    label->setBuddy(first_);
    auto* with = new QLabel(QStringLiteral("w&ith"), this);
    row->addWidget(with);
    second_ = addTeamCombo(*this, *row, id::swapSecond);
    with->setBuddy(second_);
    auto* swap = new QPushButton(QStringLiteral("&Swap"), this);
    swap->setObjectName(QString::number(id::swap));
    row->addWidget(swap);
    auto* proposed = new QPushButton(QStringLiteral("P&roposed Round"), this);
    proposed->setObjectName(QString::number(id::proposed));
    row->addWidget(proposed);
    auto* tableEntry = new QPushButton(QStringLiteral("&Table Entry..."), this);
    tableEntry->setObjectName(QString::number(ids::tableEntry::fromNextRound));
    row->addWidget(tableEntry);
    addControlsRow(row, {first_, second_, swap, proposed, tableEntry});
    connect(tableEntry, &QPushButton::clicked, this, &NextRoundDialog::OnTableEntry);
    connect(swap, &QPushButton::clicked, this, &NextRoundDialog::OnSwap);
    connect(proposed, &QPushButton::clicked, this, &NextRoundDialog::OnProposed);

    if (hasTeams()) {
        proposal_ = proposeNextRound(field()->problem);
        seats_.emplace(field()->problem, proposal_);
        FillTeamCombos();
        ShowSeats();
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{first_, second_, swap, proposed, tableEntry}) {
        control->setEnabled(hasTeams());
    }
    finishControls();
}

void NextRoundDialog::FillTeamCombos() {
    const std::vector<std::string>& names = field()->names;
    for (QComboBox* combo : {first_, second_}) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            combo->addItem(QStringLiteral("%1 (%2)").arg(
                               QString::fromStdString(names[i]),
                               QString::fromStdString(positionLabel(static_cast<int>(i) + 1))),
                           static_cast<int>(i));
        }
    }
    if (names.size() > 1) {
        second_->setCurrentIndex(1);
    }
}

void NextRoundDialog::ShowSeats() {
    const std::vector<std::string>& names = field()->names;
    model().setRows(seats_->rows(), names);
    const RuleFigures figures = seats_->figures();
    QString text =
        QStringLiteral("%1 teams at %2 tables").arg(names.size()).arg(seats_->tables().size());
    if (const std::optional<int> bye = seats_->bye()) {
        text += QStringLiteral("; the bye: %1")
                    .arg(QString::fromStdString(names[static_cast<std::size_t>(*bye)]));
    }
    text += QStringLiteral(". ") + repeatsText(figures.repeats, proposal_.figures.repeats);
    text += QStringLiteral(" Sum of the gaps between places: %1").arg(figures.gapSum);
    if (figures.gapSum != proposal_.figures.gapSum) {
        text += QStringLiteral(" (proposed: %1)").arg(proposal_.figures.gapSum);
    }
    setSummary(text + QLatin1Char('.'));
}

void NextRoundDialog::OnSwap() {
    if (!seats_ ||
        !seats_->swapTeams(first_->currentData().toInt(), second_->currentData().toInt())) {
        return;
    }
    ShowSeats();
}

void NextRoundDialog::OnProposed() {
    if (!seats_) {
        return;
    }
    seats_.emplace(field()->problem, proposal_);
    ShowSeats();
}

void NextRoundDialog::OnTableEntry() {
    if (!seats_ || !mayOpenNewTables(this)) {
        return;
    }
    const std::vector<std::string>& names = field()->names;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const Table& table : seats_->tables()) {
        pairs.emplace_back(names[static_cast<std::size_t>(table.team1)],
                           names[static_cast<std::size_t>(table.team2)]);
    }
    platform::TableDesk::instance().openRound(pairs);
    TableEntryDialog entry(this);
    platform::runModal(entry);
}

} // namespace corvane::dialogs
