#pragma once
// The windows' side of the one door: a window hands a change over and is told
// whether it was made; refusals and failures are said to it. Every change
// made, from any window, is published and signalled once, so that menus,
// lists and undo texts follow from one place.
#include "history/ApplyChange.h"
#include "history/Change.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace corvane::platform {

class ChangeSignals : public QObject {
    Q_OBJECT
signals:
    // The tournament changed (or another was opened): read it again.
    void changed();
    // No earlier versions can be kept (empty: they are kept again).
    void backupsProblem(const QString& problem);
};

ChangeSignals& changeSignals();

// Hands `change` to the door, says to `owner` why when it was refused or not
// written, and publishes when it was made. True when it was made.
bool applyChange(QWidget* owner, history::Change change);

// The same door for a change no one is waiting to be told about (a table's
// result saved on its own): made, published and signalled alike, but a
// refusal or failure is returned, not said in a message box.
history::ChangeOutcome applyChangeQuietly(QWidget* owner, history::Change change);

// Takes back (or, with `redo`, does again) the latest change the same way. A
// step that can no longer be done is said, and the organiser may pass it over
// so that Undo goes on to the change before it.
bool stepHistory(QWidget* owner, bool redo);

// Ctrl+Z and Ctrl+Shift+Z in `window`, as in the main window's Edit menu;
// `refill` shows the window's lists again after a step.
void installHistoryShortcuts(QWidget& window, std::function<void()> refill);

// Journals a change that is not taken back here (a tournament started or
// loaded); a journal that cannot be written is said.
void journalChange(QWidget* owner, std::string_view action, std::vector<std::string> fields);

// "Undo Save Game Ann && Bob vs Cy && Dee" for a menu (a long name cut short),
// or "Undo" with nothing to take back; the same for Redo.
QString historyStepText(bool redo);

} // namespace corvane::platform
