#include "app/DataEntryDialogs.h"

#include "platform/Services.h"

#include <QDialog>

// Each dialog joins the program as soon as its class exists in dialogs/
// (the build defines CORVANE_HAS_..._DIALOG for it).
#ifdef CORVANE_HAS_ADD_PLAYER_DIALOG
#include "dialogs/AddPlayerDialog.h"
#endif
#ifdef CORVANE_HAS_TEAM_BUILDER_DIALOG
#include "dialogs/TeamBuilderDialog.h"
#endif
#ifdef CORVANE_HAS_GAME_RESULTS_DIALOG
#include "dialogs/GameResultsDialog.h"
#endif

namespace corvane::app {
namespace {

// Made over the main window, run modally, destroyed on return; the dialog has
// written its own changes by then.
template <class Dialog> void runDialog(QWidget* owner) {
    Dialog dialog(owner);
    platform::runModal(dialog);
}

} // namespace

void runAddPlayer([[maybe_unused]] QWidget* owner) {
#ifdef CORVANE_HAS_ADD_PLAYER_DIALOG
    runDialog<dialogs::AddPlayerDialog>(owner);
#endif
}

void runTeamBuilder([[maybe_unused]] QWidget* owner) {
#ifdef CORVANE_HAS_TEAM_BUILDER_DIALOG
    runDialog<dialogs::TeamBuilderDialog>(owner);
#endif
}

void runGameResults([[maybe_unused]] QWidget* owner) {
#ifdef CORVANE_HAS_GAME_RESULTS_DIALOG
    runDialog<dialogs::GameResultsDialog>(owner);
#endif
}

} // namespace corvane::app
