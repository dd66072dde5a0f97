#include "app/RestoreDialog.h"

#include "history/RestoreDifferences.h"
#include "platform/Changes.h"
#include "platform/Services.h"
#include "store/TournamentStore.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace corvane::app {

namespace {

constexpr std::size_t versionsShown = 200;
// Records named a line in what a restore would change.
constexpr std::size_t recordsNamed = 12;
const char* const countNames[] = {"players", "teams", "games"};
constexpr int maximumTableWidth = 1200;

QString countsText(const std::array<std::size_t, 3>& counts) {
    QStringList parts;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        parts << QStringLiteral("%1 %2").arg(counts[i]).arg(QLatin1String(countNames[i]));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

RestoreDialog::RestoreDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Restore from Backup"));
    const TournamentStore& store = *TournamentStore::instance;
    versions_ = history::listVersions(store, versionsShown);
    table_ = new QTableWidget(static_cast<int>(versions_.size()), 5, this);
    table_->setObjectName(QStringLiteral("versions"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Saved before"), QStringLiteral("Players"),
                                       QStringLiteral("Teams"), QStringLiteral("Games"),
                                       QStringLiteral("State")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const history::TournamentVersion& version = versions_[static_cast<std::size_t>(row)];
        const bool damaged = !version.damage.empty();
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(version.when)));
        for (int i = 0; i < 3; ++i) {
            table_->setItem(
                row, i + 1,
                new QTableWidgetItem(
                    damaged ? QString()
                            : QString::number(version.counts[static_cast<std::size_t>(i)])));
        }
        table_->setItem(
            row, 4,
            new QTableWidgetItem(
                damaged ? QStringLiteral("Damaged: %1").arg(QString::fromStdString(version.damage))
                        : QStringLiteral("Reads cleanly")));
    }
    table_->resizeColumnsToContents();
    // Wide enough for every column without a sideways scroll bar.
    const int columnsWidth = table_->horizontalHeader()->length() + table_->frameWidth() * 2 +
                             table_->verticalScrollBar()->sizeHint().width();
    table_->setMinimumWidth(std::min(columnsWidth, maximumTableWidth));
    change_ = new QLabel(versions_.empty() ? QStringLiteral("No earlier version is kept yet.")
                                           : QStringLiteral("Choose a version."),
                         this);
    change_->setObjectName(QStringLiteral("change"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    restore_ = buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::ActionRole);
    restore_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(change_);
    layout->addWidget(buttons);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &RestoreDialog::OnChoose);
    connect(restore_, &QPushButton::clicked, this, &RestoreDialog::OnRestore);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void RestoreDialog::OnChoose() {
    const int row = table_->currentRow();
    restore_->setEnabled(row >= 0);
    if (row < 0) {
        return;
    }
    const history::TournamentVersion& version = versions_[static_cast<std::size_t>(row)];
    if (!version.damage.empty()) {
        restore_->setEnabled(false);
        change_->setText(QStringLiteral("This version is damaged and cannot be restored: %1.")
                             .arg(QString::fromStdString(version.damage)));
        return;
    }
    const TournamentStore& store = *TournamentStore::instance;
    QString text = QStringLiteral("Now: %1.\nAfter the restore: %2.")
                       .arg(countsText(history::currentCounts(store)), countsText(version.counts));
    const std::vector<std::string> differences =
        history::restoreDifferences(store, version, recordsNamed);
    for (const std::string& line : differences) {
        text += QLatin1Char('\n') + QString::fromStdString(line);
    }
    if (differences.empty()) {
        text += QStringLiteral("\nThe version holds the same players, teams and games as now.");
    }
    change_->setText(text);
}

void RestoreDialog::OnRestore() {
    const int row = table_->currentRow();
    if (row < 0) {
        return;
    }
    const history::TournamentVersion& version = versions_[static_cast<std::size_t>(row)];
    if (!platform::askYesNo(this,
                            QStringLiteral("Restore the tournament as it was before %1?\n\n%2\n\n"
                                           "The present files are kept, and Undo takes the "
                                           "restore back.")
                                .arg(QString::fromStdString(version.when), change_->text()),
                            QStringLiteral("Warning"))) {
        return;
    }
    if (platform::applyChange(this, history::restoreOf(*TournamentStore::instance, version))) {
        accept();
    }
}

} // namespace corvane::app
