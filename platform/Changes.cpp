#include "platform/Changes.h"

#include "history/ApplyChange.h"
#include "history/ChangeHistory.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "store/TournamentStore.h"

#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace corvane::platform {

namespace {

// Long enough for two long team names; a menu wider than that is cut.
constexpr int menuTextCharacters = 80;

// Publishes and signals every change the door makes, whoever asked for it.
class DoorObserver final : public history::ChangeObserver {
public:
    QPointer<QWidget> owner; // the window that asked, for publishing's messages

    void changed(const history::ChangeOutcome& outcome) override {
        const QString problem = QString::fromStdString(outcome.backupsProblem);
        if (problem != lastBackupsProblem_) {
            lastBackupsProblem_ = problem;
            emit changeSignals().backupsProblem(problem);
        }
        if (outcome.pagesChanged) {
            if (Publisher* publisher = services().publisher) {
                publisher->publishChange(owner, outcome.teamsChanged);
            }
        }
        emit changeSignals().changed();
    }

private:
    QString lastBackupsProblem_;
};

DoorObserver& doorObserver() {
    static DoorObserver observer;
    static const bool installed = (history::setChangeObserver(&observer), true);
    (void)installed;
    return observer;
}

// Runs one pass through the door on behalf of `owner` and says its problem.
template <typename Pass> history::ChangeOutcome throughDoor(QWidget* owner, Pass pass) {
    TournamentStore* store = TournamentStore::instance;
    if (store == nullptr) {
        return {};
    }
    DoorObserver& observer = doorObserver();
    observer.owner = owner;
    history::ChangeOutcome outcome = pass(*store);
    observer.owner = nullptr;
    return outcome;
}

void sayProblem(QWidget* owner, const history::ChangeOutcome& outcome) {
    if (outcome.problem.empty()) {
        return;
    }
    QString text = QString::fromStdString(outcome.problem);
    if (outcome.reread) {
        text += QStringLiteral("\n\nThe tournament is shown as its files hold it now; enter the "
                               "change again if it is still wanted.");
    }
    notify(owner, text,
           outcome.done || outcome.reread ? QStringLiteral("Error") : QStringLiteral("Notice"));
}

} // namespace

ChangeSignals& changeSignals() {
    static ChangeSignals signalsObject;
    return signalsObject;
}

history::ChangeOutcome applyChangeQuietly(QWidget* owner, history::Change change) {
    return throughDoor(owner, [&](TournamentStore& store) {
        return history::applyChange(store, std::move(change));
    });
}

bool applyChange(QWidget* owner, history::Change change) {
    const history::ChangeOutcome outcome = applyChangeQuietly(owner, std::move(change));
    sayProblem(owner, outcome);
    return outcome.done;
}

bool stepHistory(QWidget* owner, bool redo) {
    history::ChangeOutcome outcome = throughDoor(owner, [redo](TournamentStore& store) {
        return redo ? history::redoChange(store) : history::undoChange(store);
    });
    const bool blocked = !redo && outcome.refused;
    if (!blocked) {
        sayProblem(owner, outcome);
        return outcome.done;
    }
    // Left at the top, a step that cannot be done would bar every older one.
    const QString question = QString::fromStdString(outcome.problem) +
                             QStringLiteral("\n\nPass this change over, so that Undo takes back "
                                            "the change before it? The tournament stays as it is.");
    if (askYesNo(owner, question, QStringLiteral("Warning"))) {
        sayProblem(owner, throughDoor(owner, [](TournamentStore& store) {
                       return history::passOverUndo(store);
                   }));
    }
    return false;
}

void installHistoryShortcuts(QWidget& window, std::function<void()> refill) {
    for (const bool redo : {false, true}) {
        auto* shortcut = new QShortcut(redo ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
                                            : QKeySequence(Qt::CTRL | Qt::Key_Z),
                                       &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, [&window, redo, refill] {
            if (stepHistory(&window, redo)) {
                refill();
            }
        });
    }
}

void journalChange(QWidget* owner, std::string_view action, std::vector<std::string> fields) {
    if (const TournamentStore* store = TournamentStore::instance) {
        reportSave(owner,
                   history::appendLine(history::journalPath(*store),
                                       history::journalLine(*store, action, std::move(fields))));
    }
    emit changeSignals().changed();
}

QString historyStepText(bool redo) {
    const TournamentStore* store = TournamentStore::instance;
    const auto label = store == nullptr ? std::nullopt
                       : redo           ? history::redoLabel(*store)
                                        : history::undoLabel(*store);
    const QString verb = redo ? QStringLiteral("Redo") : QStringLiteral("Undo");
    if (!label) {
        return verb;
    }
    QString text = QString::fromStdString(*label);
    if (text.size() > menuTextCharacters) {
        text = text.left(menuTextCharacters - 1) + QChar(0x2026);
    }
    // A menu takes "&" for a mnemonic; the names keep theirs.
    return verb + QLatin1Char(' ') + text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace corvane::platform
