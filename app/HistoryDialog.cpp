#include "app/HistoryDialog.h"

#include "history/ChangeHistory.h"
#include "store/TournamentStore.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace corvane::app {

HistoryDialog::HistoryDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("History"));
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("changes"));
    std::size_t damaged = 0;
    const auto lines =
        history::readJournal(history::journalPath(*TournamentStore::instance), damaged);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        QStringList fields;
        for (const std::string& field : line->fields) {
            fields << QString::fromStdString(field);
        }
        list->addItem(QStringLiteral("%1   %2   %3")
                          .arg(QString::fromStdString(line->time),
                               QString::fromStdString(line->action),
                               fields.join(QStringLiteral(" | "))));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    if (damaged > 0) {
        layout->addWidget(new QLabel(
            QStringLiteral("%1 damaged lines of the journal are left out.").arg(damaged), this));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(720, 420);
}

} // namespace corvane::app
