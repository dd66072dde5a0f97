#include "dialogs/AddPlayerDialog.h"

#include "dialogs/AddFromListDialog.h"
#include "dialogs/DialogSetup.h"
#include "dialogs/ListFilling.h"
#include "dialogs/NameRules.h"
#include "dialogs/RenamePlayer.h"
#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "res/ids/AddPlayer.h"
#include "store/TournamentStore.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace corvane::dialogs {

namespace {
namespace id = ids::addPlayer;
// Below the Help box, flush with its right edge; the template's controls stay put.
const QRect addFromListUnits(167, 232, 70, 14);
} // namespace

AddPlayerDialog::AddPlayerDialog(QWidget* parent) : QDialog(parent) {
    buildDialog(*this, id::templateId);
    nameField_ = platform::control<QLineEdit>(*this, id::name);
    playerList_ = platform::control<QListWidget>(*this, id::players);
    connectButton(*this, id::add, [this] { OnAdd(); });
    connectButton(*this, id::clear, [this] { OnClear(); });
    installRenamePlayer(*this, *playerList_, [this] { FillPlayerList(); });
    platform::installHistoryShortcuts(*this, [this] { FillPlayerList(); });
    addTemplateButton(*this, id::addFromList, QStringLiteral("Add from List\u2026"),
                      addFromListUnits, platform::control<QWidget>(*this, id::players));
    connectButton(*this, id::addFromList, [this] { OnAddFromList(); });
    FillPlayerList();
}

void AddPlayerDialog::OnAdd() {
    TournamentStore* store = TournamentStore::instance;
    // Taken exactly as typed: blanks count like any other character.
    const QString name = nameField_->text();
    if (name.isEmpty() || store == nullptr) {
        return;
    }
    if (hasControlCharacter(name)) {
        platform::notify(this,
                         QStringLiteral("Names cannot contain line breaks or other control "
                                        "characters!"),
                         QStringLiteral("Notice"));
        ClearNameField();
        return;
    }
    if (!IsNewPlayerName(name)) {
        platform::notify(this, QStringLiteral("Name already exists in list!"),
                         QStringLiteral("Notice"));
        ClearNameField();
        return;
    }
    if (!platform::askYesNo(this,
                            QStringLiteral("Are you sure you want to add this player?\n\nVerify "
                                           "player's name is accurate. Names cannot be deleted!"),
                            QStringLiteral("Warning"))) {
        return;
    }
    ClearNameField();
    // A name that could not be saved stays typed, to be added again.
    if (!platform::applyChange(this, history::AddPlayers{{name.toStdString()}})) {
        nameField_->setText(name);
    }
    FillPlayerList();
}

void AddPlayerDialog::OnClear() {
    ClearNameField();
}

void AddPlayerDialog::OnAddFromList() {
    AddFromListDialog list(this);
    platform::runModal(list);
    if (list.addedCount() > 0) {
        FillPlayerList();
    }
}

void AddPlayerDialog::FillPlayerList() {
    QStringList names;
    if (const TournamentStore* store = TournamentStore::instance) {
        names.reserve(static_cast<qsizetype>(store->players().size()));
        for (const std::string& player : store->players()) {
            names << QString::fromStdString(player);
        }
    }
    fillList(*playerList_, std::move(names));
}

bool AddPlayerDialog::IsNewPlayerName(const QString& name) const {
    const TournamentStore* store = TournamentStore::instance;
    return store == nullptr || !store->hasPlayer(name.toStdString());
}

void AddPlayerDialog::ClearNameField() {
    nameField_->clear();
}

} // namespace corvane::dialogs
