#include "viewer/ResultsPage.h"

#include <QFileInfo>

namespace corvane::viewer {

QString missingPageHtml() {
    return QStringLiteral(
               "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title></title></head>"
               "<body style=\"font-family: sans-serif; text-align: center; "
               "margin-top: 4em\"><p>%1</p></body></html>")
        .arg(QString::fromLatin1(missingPageSentence));
}

bool ResultsPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isMainFrame && url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
        emit missingPage(url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

} // namespace corvane::viewer
