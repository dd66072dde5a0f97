#include "app/DataEntryDialogs.h"

#include "app/DisplayMenu.h"
#include "app/RunDialog.h"
#include "dialogs/AddPlayerDialog.h"
#include "dialogs/GameResultsDialog.h"
#include "dialogs/TeamBuilderDialog.h"

namespace corvane::app {

void runAddPlayer(QWidget* owner) {
    runDialog<dialogs::AddPlayerDialog>(owner);
}

void runTeamBuilder(QWidget* owner) {
    runDialog<dialogs::TeamBuilderDialog>(owner);
}

void runGameResults(QWidget* owner) {
    dialogs::GameResultsDialog dialog(owner);
    addDisplayShortcut(dialog);
    platform::runModal(dialog);
}

} // namespace corvane::app
