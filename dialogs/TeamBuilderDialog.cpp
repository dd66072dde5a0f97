#include "dialogs/TeamBuilderDialog.h"

#include "dialogs/DialogSetup.h"
#include "dialogs/ListFilling.h"
#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "res/ids/TeamBuilder.h"
#include "store/FileFormat.h"
#include "store/TournamentStore.h"

#include <QListWidget>
#include <algorithm>

namespace corvane::dialogs {

namespace {
namespace id = ids::teamBuilder;

QList<int> selectedRows(const QListWidget& list) {
    QList<int> rows;
    for (const QListWidgetItem* item : list.selectedItems()) {
        rows << list.row(item);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}
} // namespace

TeamBuilderDialog::TeamBuilderDialog(QWidget* parent) : QDialog(parent) {
    buildDialog(*this, id::templateId);
    availablePlayers_ = platform::control<QListWidget>(*this, id::availablePlayers);
    teamList_ = platform::control<QListWidget>(*this, id::teams);
    connectButton(*this, id::build, [this] { OnBuild(); });
    connectButton(*this, id::clear, [this] { OnClear(); });
    FillAvailablePlayers();
    FillTeamList();
}

void TeamBuilderDialog::OnBuild() {
    const QList<int> rows = selectedRows(*availablePlayers_);
    if (rows.size() != 2) {
        platform::notify(this, QStringLiteral("Please select 2 players to build a team"),
                         QStringLiteral("Build Team Tip"));
    } else if (platform::askYesNo(this,
                                  QStringLiteral("Are you sure you want to build this "
                                                 "team?\n\nPlease verify selections. Teams "
                                                 "cannot be deleted!"),
                                  QStringLiteral("Warning"))) {
        BuildTeam(rows[0], rows[1]);
    }
    // Whatever happened, start the next choice from a clean list.
    availablePlayers_->clearSelection();
    FillAvailablePlayers();
}

void TeamBuilderDialog::BuildTeam(int firstRow, int secondRow) {
    // The player higher in the sorted list comes first, whatever the click order.
    const std::string first = availablePlayers_->item(firstRow)->text().toStdString();
    const std::string second = availablePlayers_->item(secondRow)->text().toStdString();
    if (platform::applyChange(this, history::BuildTeam{first, second})) {
        teamList_->addItem(QString::fromStdString(fileformat::composeTeamName(first, second)));
    }
}

void TeamBuilderDialog::OnClear() {
    availablePlayers_->clearSelection();
}

void TeamBuilderDialog::FillAvailablePlayers() {
    QStringList names;
    if (const TournamentStore* store = TournamentStore::instance) {
        assigned_.rebuild(*store);
        for (const std::string& player : store->players()) {
            if (IsUnassignedPlayer(player)) {
                names << QString::fromStdString(player);
            }
        }
    }
    fillList(*availablePlayers_, std::move(names));
}

bool TeamBuilderDialog::IsUnassignedPlayer(std::string_view name) const {
    const TournamentStore* store = TournamentStore::instance;
    if (store == nullptr) {
        return true;
    }
    if (!assigned_.isCurrent(*store)) {
        assigned_.rebuild(*store);
    }
    return !assigned_.contains(name);
}

void TeamBuilderDialog::FillTeamList() {
    QStringList names;
    if (const TournamentStore* store = TournamentStore::instance) {
        names.reserve(static_cast<qsizetype>(store->teams().size()));
        for (const TeamRecord& team : store->teams()) {
            names << QString::fromStdString(team.teamName);
        }
    }
    fillList(*teamList_, std::move(names));
}

} // namespace corvane::dialogs
