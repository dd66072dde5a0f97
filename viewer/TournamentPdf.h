#pragma once
// One PDF of a whole tournament: the leader board, every team page and any
// other page of the tournament folder, each printed by the web engine as the
// viewer shows it, starting on a new sheet.
#include "viewer/PdfJoin.h"

#include <QByteArray>
#include <QObject>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <vector>

class QWebEngineProfile;
class QWebEnginePage;

namespace corvane::viewer {

class TournamentPdf : public QObject {
    Q_OBJECT
public:
    // The pages are loaded in a page of `profile` of their own, out of sight.
    explicit TournamentPdf(QWebEngineProfile* profile, QObject* parent = nullptr);

    // Starts writing the pages of the tournament folder `folder` into the PDF
    // file `output`, replaced whole or not at all; `finished` tells how it went.
    // Ignored while a PDF is being written.
    void start(const QString& folder, const QString& output);
    bool busy() const { return busy_; }

    // A4 upright, or Letter where the locale measures in inches; the engine
    // shrinks the leader board's wide table to the sheet's width.
    static QPageLayout pageLayout();

signals:
    // `error` is empty when the file was written, otherwise a sentence saying why not.
    void finished(const QString& error);

private:
    void OnLoadFinished(bool ok);
    void OnLinksRead(const QStringList& links);
    void PrintCurrent();
    void OnPrinted(const QByteArray& pdf);
    void WriteJoined();
    void Finish(const QString& error);

    QWebEnginePage* page_;
    QString folder_;
    QString output_;
    QStringList pages_; // empty while the leader board's links are read
    qsizetype current_ = 0;
    std::vector<PrintedPage> printed_;
    bool busy_ = false;
};

} // namespace corvane::viewer
