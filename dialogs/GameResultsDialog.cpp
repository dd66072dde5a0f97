#include "dialogs/GameResultsDialog.h"

#include "dialogs/CorrectGameDialog.h"
#include "dialogs/DialogSetup.h"
#include "dialogs/GameChecks.h"
#include "dialogs/ListFilling.h"
#include "dialogs/ScoreText.h"
#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "platform/ListBoxes.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "res/ids/GameResults.h"
#include "store/TournamentStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <optional>
#include <string>

namespace corvane::dialogs {

namespace {
namespace id = ids::gameResults;

std::optional<std::int32_t> scoreOf(const QLineEdit& field) {
    return readScore(field.text().toStdString());
}

std::string selectedTeam(const QComboBox& combo) {
    return combo.itemText(combo.currentIndex()).toStdString();
}

void clearSelection(QComboBox& combo) {
    combo.setCurrentIndex(-1);
    if (combo.isEditable()) {
        combo.clearEditText();
    }
}

// Typing over a chosen team unchooses it, as a Windows drop-down does, so the
// box never shows one name while Save would record another.
void unselectWhenEdited(QComboBox& combo) {
    QLineEdit* field = combo.lineEdit();
    if (field == nullptr) {
        return;
    }
    QObject::connect(field, &QLineEdit::textEdited, &combo, [&combo, field](const QString& text) {
        const int index = combo.currentIndex();
        if (index < 0 || combo.itemText(index) == text) {
            return;
        }
        const int cursor = field->cursorPosition();
        combo.setCurrentIndex(-1);
        combo.setEditText(text);
        field->setCursorPosition(cursor);
    });
}
} // namespace

GameResultsDialog::GameResultsDialog(QWidget* parent) : QDialog(parent) {
    buildDialog(*this, id::templateId);
    team1_ = platform::control<QComboBox>(*this, id::team1);
    team2_ = platform::control<QComboBox>(*this, id::team2);
    team1Score_ = platform::control<QLineEdit>(*this, id::team1Score);
    team2Score_ = platform::control<QLineEdit>(*this, id::team2Score);
    team1Flags_ = platform::control<QComboBox>(*this, id::team1Flags);
    team2Flags_ = platform::control<QComboBox>(*this, id::team2Flags);
    gameList_ = platform::control<QListWidget>(*this, id::completedGames);
    connectButton(*this, id::save, [this] { OnSave(); });
    connectButton(*this, id::remove, [this] { OnDelete(); });
    unselectWhenEdited(*team1_);
    unselectWhenEdited(*team2_);
    installCorrectGame(
        *this, *gameList_,
        [this] {
            QStringList teams;
            for (int i = 0; i < team1_->count(); ++i) {
                teams << team1_->itemText(i);
            }
            return teams;
        },
        [this] { FillGameList(); });
    platform::installHistoryShortcuts(*this, [this] { FillGameList(); });
    ResetInputs();
    // Filled once: the combos keep this order while the dialog is open, even
    // though publishing puts the store's teams into standings order.
    FillTeamCombos();
    FillGameList();
}

void GameResultsDialog::OnSave() {
    const int first = team1_->currentIndex();
    const int second = team2_->currentIndex();
    if (const auto problem = checkGame(first, second, team1Score_->text(), team2Score_->text())) {
        platform::notify(this, problem->text, problem->caption);
        if (problem->sameTeam) {
            clearSelection(*team2_);
        }
        return;
    }
    if (!platform::askYesNo(this, QStringLiteral("Have you verified all information is correct?"),
                            QStringLiteral("Warning"))) {
        return;
    }
    RecordGame(ReadGame());
}

GameRecord GameResultsDialog::ReadGame() const {
    GameRecord game;
    game.team1Score = scoreOf(*team1Score_).value_or(0);
    game.team2Score = scoreOf(*team2Score_).value_or(0);
    // A flags box gives the chosen item's text, or what was typed instead.
    game.team1Flags = readFlags(team1Flags_->currentText().toStdString());
    game.team2Flags = readFlags(team2Flags_->currentText().toStdString());
    // Only a chosen item names a team; text typed into a team box is ignored.
    game.team1Name = selectedTeam(*team1_);
    game.team2Name = selectedTeam(*team2_);
    return game;
}

void GameResultsDialog::RecordGame(const GameRecord& game) {
    // Made, written and published by the door; a refusal is said there, and
    // the typed values stay to be saved again.
    if (platform::applyChange(this, history::SaveGame{game, std::nullopt})) {
        ResetInputs();
    }
    FillGameList();
}

void GameResultsDialog::OnDelete() {
    if (platform::askYesNo(this, QStringLiteral("Are you sure you want delete this game data?"),
                           QStringLiteral("Warning"))) {
        const QList<QListWidgetItem*> selected = gameList_->selectedItems();
        const QString line = selected.isEmpty() ? QString() : selected.front()->text();
        const TournamentStore* store = TournamentStore::instance;
        // Each line is its game's own text, so it finds that game (the first
        // of any identical ones).
        const auto position =
            line.isEmpty() || store == nullptr ? std::nullopt : store->findGame(line.toStdString());
        const bool deleted =
            position &&
            platform::applyChange(this, history::DeleteGame{*position, store->games()[*position]});
        ResetInputs();
        FillGameList();
        if (deleted) {
            return; // the door published it
        }
    }
    // Published after a No as well, so the viewer shows the current standings.
    platform::viewResults(this);
}

void GameResultsDialog::ResetInputs() {
    team1Score_->setText(QStringLiteral("0"));
    team2Score_->setText(QStringLiteral("0"));
    clearSelection(*team1Flags_);
    clearSelection(*team2Flags_);
    clearSelection(*team1_);
    clearSelection(*team2_);
}

void GameResultsDialog::FillTeamCombos() {
    team1_->clear();
    team2_->clear();
    const TournamentStore* store = TournamentStore::instance;
    if (store == nullptr) {
        return;
    }
    // Placed by position, not sorted, so the same team stands at the same
    // place in both boxes.
    int position = 0;
    for (const TeamRecord& team : store->teams()) {
        const QString name = QString::fromStdString(team.teamName);
        platform::insertString(*team1_, position, name);
        platform::insertString(*team2_, position, name);
        ++position;
    }
}

void GameResultsDialog::FillGameList() {
    QStringList lines;
    if (const TournamentStore* store = TournamentStore::instance) {
        lines.reserve(static_cast<qsizetype>(store->games().size()));
        for (const GameRecord& game : store->games()) {
            lines << QString::fromStdString(formatGameLine(game));
        }
    }
    fillList(*gameList_, std::move(lines));
}

int GameResultsDialog::ValidateScores() const {
    if (!scoreOf(*team2Score_)) {
        return 2;
    }
    if (!scoreOf(*team1Score_)) {
        return 1;
    }
    return 0;
}

} // namespace corvane::dialogs
