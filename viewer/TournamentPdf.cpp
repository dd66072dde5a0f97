#include "viewer/TournamentPdf.h"

#include "store/AtomicFile.h"
#include "viewer/PdfJoin.h"
#include "viewer/PdfPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace corvane::viewer {

namespace {

// Every link of the page, as absolute addresses, in document order.
const char* const linksScript = "Array.from(document.links, function (a) { return a.href; })";

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

TournamentPdf::TournamentPdf(QWebEngineProfile* profile, QObject* parent)
    : QObject(parent), page_(new QWebEnginePage(profile, this)) {
    connect(page_, &QWebEnginePage::loadFinished, this, &TournamentPdf::OnLoadFinished);
}

QPageLayout TournamentPdf::pageLayout() {
    constexpr qreal marginMm = 10;
    const QPageSize size(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                             ? QPageSize::Letter
                             : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait,
                       QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
}

void TournamentPdf::start(const QString& folder, const QString& output) {
    if (busy_) {
        return;
    }
    busy_ = true;
    folder_ = folder;
    output_ = output;
    pages_.clear();
    printed_.clear();
    current_ = 0;
    const QString leaderBoard = QDir(folder).filePath(QString::fromLatin1(leaderBoardPage));
    if (!QFile::exists(leaderBoard)) {
        Finish(QStringLiteral("%1 holds no leader board (%2), so there is nothing to save.")
                   .arg(nativePath(folder), QString::fromLatin1(leaderBoardPage)));
        return;
    }
    page_->load(QUrl::fromLocalFile(QFileInfo(leaderBoard).absoluteFilePath()));
}

void TournamentPdf::OnLoadFinished(bool ok) {
    if (!busy_) {
        return;
    }
    const QString shown = pages_.isEmpty()
                              ? QDir(folder_).absoluteFilePath(QString::fromLatin1(leaderBoardPage))
                              : pages_.value(current_);
    if (!ok) {
        Finish(QStringLiteral("Could not load %1.").arg(nativePath(shown)));
        return;
    }
    if (!pages_.isEmpty()) {
        PrintCurrent();
        return;
    }
    // The leader board names the team pages, in standings order.
    const QPointer<TournamentPdf> self(this);
    page_->runJavaScript(QString::fromLatin1(linksScript), QWebEngineScript::ApplicationWorld,
                         [self](const QVariant& links) {
                             if (self) {
                                 self->OnLinksRead(links.toStringList());
                             }
                         });
}

void TournamentPdf::OnLinksRead(const QStringList& links) {
    QStringList files;
    for (const QString& link : links) {
        const QUrl url(link);
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    pages_ = pdfPageOrder(folder_, files);
    if (pages_.isEmpty()) {
        Finish(QStringLiteral("The leader board of %1 is gone.").arg(nativePath(folder_)));
        return;
    }
    // The leader board, first in the order, is loaded already.
    PrintCurrent();
}

void TournamentPdf::PrintCurrent() {
    const QPointer<TournamentPdf> self(this);
    page_->printToPdf(
        [self](const QByteArray& pdf) {
            if (self) {
                self->OnPrinted(pdf);
            }
        },
        pageLayout());
}

void TournamentPdf::OnPrinted(const QByteArray& pdf) {
    if (pdf.isEmpty()) {
        Finish(QStringLiteral("Could not print %1.").arg(nativePath(pages_.value(current_))));
        return;
    }
    printed_.push_back({pages_[current_], pdf});
    ++current_;
    if (current_ < pages_.size()) {
        page_->load(QUrl::fromLocalFile(pages_[current_]));
        return;
    }
    WriteJoined();
}

void TournamentPdf::WriteJoined() {
    QString error;
    const std::optional<QByteArray> joined = joinPrintedPages(printed_, error);
    printed_.clear();
    if (!joined) {
        Finish(QStringLiteral("Could not join the printed pages: %1.").arg(error));
        return;
    }
    const SaveResult saved = writeFileAtomically(
        QFile::encodeName(output_).toStdString(),
        std::string_view(joined->constData(), static_cast<std::size_t>(joined->size())));
    Finish(saved.ok() ? QString() : QString::fromStdString(saved.message()));
}

void TournamentPdf::Finish(const QString& error) {
    busy_ = false;
    printed_.clear();
    emit finished(error);
}

} // namespace corvane::viewer
