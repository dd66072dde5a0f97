#pragma once
// The web page of the results viewer: refuses to navigate to a local page that does
// not exist, so the window can say so in a plain sentence instead of an error page.
#include <QWebEnginePage>

namespace corvane::viewer {

// Said instead of an error page where a page has not been written yet.
inline constexpr const char* missingPageSentence = "The results have not been published yet.";
// A page of that one sentence.
QString missingPageHtml();

class ResultsPage : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

signals:
    // A navigation to `url`, a local file that does not exist, was refused.
    void missingPage(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

} // namespace corvane::viewer
