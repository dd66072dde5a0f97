#include "app/DataEntryDialogs.h"

#include "dialogs/AddPlayerDialog.h"
#include "dialogs/GameResultsDialog.h"
#include "dialogs/TeamBuilderDialog.h"
#include "platform/Services.h"

#include <QDialog>

namespace corvane::app {
namespace {

// Made over the main window, run modally, destroyed on return; the dialog has
// written its own changes by then.
template <class Dialog> void runDialog(QWidget* owner) {
    Dialog dialog(owner);
    platform::runModal(dialog);
}

} // namespace

void runAddPlayer(QWidget* owner) {
    runDialog<dialogs::AddPlayerDialog>(owner);
}

void runTeamBuilder(QWidget* owner) {
    runDialog<dialogs::TeamBuilderDialog>(owner);
}

void runGameResults(QWidget* owner) {
    runDialog<dialogs::GameResultsDialog>(owner);
}

} // namespace corvane::app
