#include "app/HistoryDialog.h"

#include "history/ChangeHistory.h"
#include "history/JournalText.h"
#include "store/TournamentStore.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvane::app {

namespace {

constexpr int startWidth = 860;
constexpr int startHeight = 460;

} // namespace

HistoryDialog::HistoryDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("History"));
    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("changes"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels(
        {QStringLiteral("Time"), QStringLiteral("Change"), QStringLiteral("Details")});
    std::size_t damaged = 0;
    const auto lines =
        history::readJournal(history::journalPath(*TournamentStore::instance), damaged);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    // Newest first.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const history::JournalText text = history::describeLine(*line);
        items << new QTreeWidgetItem(QStringList{QString::fromStdString(text.when),
                                                 QString::fromStdString(text.what),
                                                 QString::fromStdString(text.details)});
    }
    list->addTopLevelItems(items);
    list->resizeColumnToContents(0);
    list->resizeColumnToContents(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    if (damaged > 0) {
        auto* note = new QLabel(
            damaged == 1
                ? QStringLiteral("1 damaged line of the journal is left out.")
                : QStringLiteral("%1 damaged lines of the journal are left out.").arg(damaged),
            this);
        note->setObjectName(QStringLiteral("damaged"));
        layout->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(startWidth, startHeight);
}

} // namespace corvane::app
