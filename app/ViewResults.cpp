#include "app/ViewResults.h"

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

} // namespace

void viewResults(QWidget* owner) {
    TournamentStore* store = TournamentStore::instance;
    if (!store) {
        return;
    }
    platform::ViewerLauncher* viewer = platform::services().viewer;
    // The running viewers go before the pages change under them.
    if (viewer) {
        viewer->endRunningViewers(store->workingDirectory);
    }
    const ReportOutcome outcome = writeReports(*store);
    if (!outcome.ok()) {
        platform::notify(owner, failureText(outcome), QStringLiteral("Error"));
    }
    if (viewer) {
        viewer->startViewer(store->filePath(leaderBoardFileName));
    }
}

platform::Publisher& resultsPublisher() {
    struct ResultsPublisher final : platform::Publisher {
        void viewResults(QWidget* owner) override { app::viewResults(owner); }
    };
    static ResultsPublisher publisher;
    return publisher;
}

} // namespace corvane::app
