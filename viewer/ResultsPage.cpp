#include "viewer/ResultsPage.h"

#include <QFileInfo>

namespace corvane::viewer {

bool ResultsPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isMainFrame && url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
        emit missingPage(url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

} // namespace corvane::viewer
