#include "dialogs/CorrectGameDialog.h"

#include "dialogs/GameChecks.h"
#include "dialogs/ListActions.h"
#include "dialogs/ScoreText.h"
#include "platform/Changes.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "store/TournamentStore.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

namespace corvane::dialogs {

namespace {

constexpr int flagChoices = 5; // 0 to 4, as the Game Results dialog offers

// Room for the drop-down arrow and the frame beside the longest name.
constexpr int arrowRoom = 48;

QComboBox* teamBox(const QStringList& teams, const std::string& chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(teams);
    box->setCurrentIndex(box->findText(QString::fromStdString(chosen)));
    int widest = 0;
    for (const QString& team : teams) {
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(team));
    }
    box->setMinimumWidth(widest + arrowRoom);
    return box;
}

QComboBox* flagsBox(std::int32_t flags, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    for (int i = 0; i < flagChoices; ++i) {
        box->addItem(QString::number(i));
    }
    box->setCurrentText(QString::number(flags));
    return box;
}

} // namespace

CorrectGameDialog::CorrectGameDialog(const GameRecord& game, const QStringList& teams,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Correct Game"));
    team1_ = teamBox(teams, game.team1Name, this);
    team2_ = teamBox(teams, game.team2Name, this);
    score1_ = new QLineEdit(QString::number(game.team1Score), this);
    score2_ = new QLineEdit(QString::number(game.team2Score), this);
    flags1_ = flagsBox(game.team1Flags, this);
    flags2_ = flagsBox(game.team2Flags, this);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Team &1:"), team1_);
    form->addRow(QStringLiteral("&Score:"), score1_);
    form->addRow(QStringLiteral("&Flags Given:"), flags1_);
    form->addRow(QStringLiteral("Team &2:"), team2_);
    form->addRow(QStringLiteral("S&core:"), score2_);
    form->addRow(QStringLiteral("Fl&ags Given:"), flags2_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CorrectGameDialog::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CorrectGameDialog::OnOk() {
    if (const auto problem = checkGame(team1_->currentIndex(), team2_->currentIndex(),
                                       score1_->text(), score2_->text())) {
        platform::notify(this, problem->text, problem->caption);
        return;
    }
    accept();
}

GameRecord CorrectGameDialog::ReadGame() const {
    GameRecord game;
    game.team1Name = team1_->currentText().toStdString();
    game.team2Name = team2_->currentText().toStdString();
    game.team1Score = readScore(score1_->text().toStdString()).value_or(0);
    game.team2Score = readScore(score2_->text().toStdString()).value_or(0);
    game.team1Flags = readFlags(flags1_->currentText().toStdString());
    game.team2Flags = readFlags(flags2_->currentText().toStdString());
    return game;
}

void installCorrectGame(QDialog& owner, QListWidget& games, std::function<QStringList()> teams,
                        std::function<void()> refill) {
    addListAction(games, QStringLiteral("&Correct Game..."), QKeySequence(Qt::Key_F2),
                  [&owner, &games, teams = std::move(teams), refill = std::move(refill)](int row) {
                      // The list shows the games in the store's order, a line each.
                      TournamentStore* store = TournamentStore::instance;
                      const auto position = static_cast<std::size_t>(row);
                      if (store == nullptr || position >= store->games().size()) {
                          return;
                      }
                      const GameRecord before = store->games()[position];
                      CorrectGameDialog dialog(before, teams(), &owner);
                      if (platform::runModal(dialog) != QDialog::Accepted) {
                          return;
                      }
                      platform::applyChange(
                          &owner, history::CorrectGame{position, before, dialog.ReadGame()});
                      refill();
                      games.setCurrentRow(row);
                  });
}

} // namespace corvane::dialogs
