#include "dialogs/AddPlayerDialog.h"

#include "dialogs/DialogSetup.h"
#include "dialogs/ListFilling.h"
#include "dialogs/NameRules.h"
#include "platform/DialogTemplate.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "store/TournamentStore.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace corvane::dialogs {

namespace {
constexpr int templateId = 129;
constexpr int nameFieldId = 1001;
constexpr int addId = 1003;
constexpr int clearId = 1004;
constexpr int playerListId = 1005;
} // namespace

AddPlayerDialog::AddPlayerDialog(QWidget* parent) : QDialog(parent) {
    buildDialog(*this, templateId);
    nameField_ = platform::control<QLineEdit>(*this, nameFieldId);
    playerList_ = platform::control<QListWidget>(*this, playerListId);
    connectButton(*this, addId, [this] { OnAdd(); });
    connectButton(*this, clearId, [this] { OnClear(); });
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
    store->addPlayer(name.toStdString());
    FillPlayerList();
    // A failed write leaves the player in the store and the list; say so.
    platform::reportSave(this, store->writePlayers());
}

void AddPlayerDialog::OnClear() {
    ClearNameField();
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
