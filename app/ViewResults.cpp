#include "app/ViewResults.h"

#include "app/DefaultImages.h"
#include "platform/Services.h"
#include "reports/PageNames.h"
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

#include <QStringList>

namespace corvane::app {
namespace {

// One message for every page that failed; a long list is cut short.
QString failureText(const ReportOutcome& outcome) {
    constexpr std::size_t shown = 8;
    QStringList lines;
    for (std::size_t i = 0; i < outcome.failures.size() && i < shown; ++i) {
        lines << QString::fromStdString(outcome.failures[i].message());
    }
    if (outcome.failures.size() > shown) {
        lines << QStringLiteral("... and %1 more pages could not be saved.")
                     .arg(outcome.failures.size() - shown);
    }
    return lines.join(QLatin1Char('\n'));
}

// The pages are written first, so the standings are ready whatever shows
// them: the open viewer reloads in place; without one, a viewer is started.
void showLeaderBoard(QWidget* owner, const TournamentStore& store, const ReportOutcome& outcome) {
    if (!outcome.ok()) {
        platform::notify(owner, failureText(outcome), QStringLiteral("Error"));
    }
    addMissingImages(store);
    platform::ViewerLauncher* viewer = platform::services().viewer;
    if (viewer == nullptr) {
        return;
    }
    const std::string board = store.filePath(leaderBoardFileName);
    if (!viewer->showInRunningViewer(store.workingDirectory, board)) {
        viewer->endRunningViewers(store.workingDirectory);
        viewer->startViewer(board);
    }
}

} // namespace

void viewResults(QWidget* owner) {
    if (TournamentStore* store = TournamentStore::instance) {
        showLeaderBoard(owner, *store, writeReports(*store));
    }
}

void publishChange(QWidget* owner, const std::optional<std::vector<std::string>>& teams) {
    if (TournamentStore* store = TournamentStore::instance) {
        showLeaderBoard(owner, *store,
                        teams ? writeReportsOf(*store, *teams) : writeReports(*store));
    }
}

platform::Publisher& resultsPublisher() {
    struct ResultsPublisher final : platform::Publisher {
        void viewResults(QWidget* owner) override { app::viewResults(owner); }
        void publishChange(QWidget* owner,
                           const std::optional<std::vector<std::string>>& teams) override {
            app::publishChange(owner, teams);
        }
    };
    static ResultsPublisher publisher;
    return publisher;
}

} // namespace corvane::app
