#include "dialogs/RenamePlayer.h"

#include "dialogs/ListActions.h"
#include "dialogs/NameRules.h"
#include "platform/Changes.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "store/NameCompare.h"
#include "store/TournamentStore.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>

namespace corvane::dialogs {

namespace {

// Asks for the new name; empty when cancelled.
QString askNewName(QDialog& owner, const QString& oldName) {
    QDialog ask(&owner);
    ask.setWindowTitle(QStringLiteral("Rename Player"));
    auto* field = new QLineEdit(oldName, &ask);
    field->setObjectName(QStringLiteral("newName"));
    auto* form = new QFormLayout(&ask);
    form->addRow(QStringLiteral("&New name:"), field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    return platform::runModal(ask) == QDialog::Accepted ? field->text() : QString();
}

} // namespace

QString renameProblem(const QString& oldName, const QString& newName) {
    const TournamentStore* store = TournamentStore::instance;
    if (hasControlCharacter(newName)) {
        return QStringLiteral("Names cannot contain line breaks or other control characters!");
    }
    // The same player in other letter case is a correction, not another player.
    if (store != nullptr && store->hasPlayer(newName.toStdString()) &&
        !namesEqual(newName.toStdString(), oldName.toStdString())) {
        return QStringLiteral("Name already exists in list!");
    }
    return QString();
}

void installRenamePlayer(QDialog& owner, QListWidget& players, std::function<void()> refill) {
    addListAction(
        players, QStringLiteral("&Rename Player..."), QKeySequence(Qt::Key_F2),
        [&owner, &players, refill = std::move(refill)](int row) {
            const QString oldName = players.item(row)->text();
            QString newName = oldName;
            // A refused name is offered again as typed, to be mended rather than retyped.
            for (;;) {
                newName = askNewName(owner, newName);
                // Cancelled, or nothing to change.
                if (newName.isEmpty() || newName == oldName) {
                    return;
                }
                const QString problem = renameProblem(oldName, newName);
                if (problem.isEmpty() &&
                    platform::applyChange(&owner, history::RenamePlayer{oldName.toStdString(),
                                                                        newName.toStdString()})) {
                    break;
                }
                if (!problem.isEmpty()) {
                    platform::notify(&owner, problem, QStringLiteral("Notice"));
                }
            }
            refill();
            // The renamed player stays the one chosen.
            const auto found = players.findItems(newName, Qt::MatchExactly);
            if (!found.isEmpty()) {
                players.setCurrentItem(found.front());
            }
        });
}

} // namespace corvane::dialogs
