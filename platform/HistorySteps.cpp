#include "platform/HistorySteps.h"

#include "history/ChangeHistory.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "store/TournamentStore.h"

namespace corvane::platform {

bool stepHistory(QWidget* owner, bool redo) {
    TournamentStore* store = TournamentStore::instance;
    if (store == nullptr) {
        return false;
    }
    const history::StepResult step = redo ? history::redo(*store) : history::undo(*store);
    if (!step.problem.empty()) {
        notify(owner, QString::fromStdString(step.problem),
               step.done ? QStringLiteral("Error") : QStringLiteral("Notice"));
    }
    if (step.done) {
        viewResults(owner);
    }
    return step.done;
}

void journalChange(QWidget* owner, std::string_view action, std::vector<std::string> fields) {
    if (const TournamentStore* store = TournamentStore::instance) {
        reportSave(owner,
                   history::record(*store, history::noted(*store, action, std::move(fields))));
    }
}

QString historyStepText(bool redo) {
    const TournamentStore* store = TournamentStore::instance;
    const auto label = store == nullptr ? std::nullopt
                       : redo           ? history::redoLabel(*store)
                                        : history::undoLabel(*store);
    const QString verb = redo ? QStringLiteral("Redo") : QStringLiteral("Undo");
    return label ? verb + QLatin1Char(' ') + QString::fromStdString(*label) : verb;
}

} // namespace corvane::platform
