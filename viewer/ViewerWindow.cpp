#include "viewer/ViewerWindow.h"

#include "viewer/ResultsPage.h"
#include "viewer/TournamentPdf.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace corvane::viewer {
namespace {

QSettings viewerSettings() {
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("corvane-viewer"));
}

QString missingPageHtml() {
    return QStringLiteral(
               "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title></title></head>"
               "<body style=\"font-family: sans-serif; text-align: center; "
               "margin-top: 4em\"><p>%1</p></body></html>")
        .arg(QString::fromLatin1(missingPageSentence));
}

PdfPrompts modalPdfPrompts() {
    return {[](QWidget* owner, const QString& suggested) {
                return QFileDialog::getSaveFileName(owner, QStringLiteral("Save as PDF"), suggested,
                                                    QStringLiteral("PDF (*.pdf)"));
            },
            [](QWidget* owner, const QString& error) {
                QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), error,
                                QMessageBox::Ok, owner);
                box.exec();
            }};
}

} // namespace

ViewerWindow::ViewerWindow(QWidget* parent)
    // A profile of its own, kept off the record: the pages are local files and
    // nothing of them needs to be cached or stored.
    : QMainWindow(parent), profile_(new QWebEngineProfile(this)),
      page_(new ResultsPage(profile_, this)), view_(new QWebEngineView(this)),
      pdf_(new TournamentPdf(profile_, this)), prompts_(modalPdfPrompts()) {
    view_->setPage(page_);
    setCentralWidget(view_);
    setWindowTitle(QString::fromLatin1(viewerCaption));
    BuildToolBar();

    // A refused navigation is answered once the page is done refusing it.
    connect(page_, &ResultsPage::missingPage, this, &ViewerWindow::OnMissingPage,
            Qt::QueuedConnection);
    connect(page_, &QWebEnginePage::printRequested, this, &ViewerWindow::OnPrint);
    connect(view_, &QWebEngineView::urlChanged, this, &ViewerWindow::OnUrlChanged);
    connect(view_, &QWebEngineView::titleChanged, this, &ViewerWindow::OnTitleChanged);
    connect(view_, &QWebEngineView::printFinished, this, &ViewerWindow::OnPrintFinished);
    connect(pdf_, &TournamentPdf::finished, this, &ViewerWindow::OnPdfFinished);

    // The size is saved shortly after each change, so it is kept even when the
    // viewer is ended from outside rather than closed.
    saveSize_.setSingleShot(true);
    saveSize_.setInterval(400);
    connect(&saveSize_, &QTimer::timeout, this, &ViewerWindow::SaveWindowSize);
    if (!restoreGeometry(viewerSettings().value(QStringLiteral("geometry")).toByteArray()))
        resize(960, 720);
}

ViewerWindow::~ViewerWindow() {
    // The pages must go before the profile they were made with.
    delete pdf_;
    delete page_;
}

void ViewerWindow::OpenPage(const QString& path) {
    requested_ = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    view_->load(requested_);
}

void ViewerWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction* back = view_->pageAction(QWebEnginePage::Back);
    back->setText(QStringLiteral("Back"));
    back->setIcon(QIcon::fromTheme(QStringLiteral("go-previous")));
    back->setShortcut(QKeySequence::Back);
    bar->addAction(back);

    QAction* reload = bar->addAction(QIcon::fromTheme(QStringLiteral("view-refresh")),
                                     QStringLiteral("Reload"), this, &ViewerWindow::OnReload);
    reload->setShortcut(QKeySequence::Refresh);

    print_ = bar->addAction(QIcon::fromTheme(QStringLiteral("document-print")),
                            QStringLiteral("Print"), this, &ViewerWindow::OnPrint);
    print_->setShortcut(QKeySequence::Print);

    savePdf_ =
        bar->addAction(QIcon::fromTheme(QStringLiteral("document-save-as")),
                       QStringLiteral("Save as PDF\u2026"), this, &ViewerWindow::OnSaveAsPdf);
    savePdf_->setShortcut(QKeySequence::SaveAs);

    bar->addAction(QIcon::fromTheme(QStringLiteral("internet-web-browser")),
                   QStringLiteral("Open in Web Browser"), this, &ViewerWindow::OnOpenInBrowser);
}

void ViewerWindow::OnMissingPage(const QUrl& url) {
    requested_ = url;
    showingMissing_ = true;
    setWindowTitle(QString::fromLatin1(viewerCaption));
    page_->setHtml(missingPageHtml());
}

void ViewerWindow::OnUrlChanged(const QUrl& url) {
    if (url.isLocalFile()) {
        requested_ = url;
        showingMissing_ = false;
    }
}

void ViewerWindow::OnTitleChanged(const QString& title) {
    // Without a title of its own a page is titled with its address: not worth showing.
    const bool ownTitle =
        !showingMissing_ && !title.isEmpty() && title != view_->url().toString() &&
        title != view_->url().toString(QUrl::RemoveScheme | QUrl::NormalizePathSegments);
    setWindowTitle(ownTitle ? title + QStringLiteral(" - ") + QString::fromLatin1(programName)
                            : QString::fromLatin1(viewerCaption));
}

void ViewerWindow::OnReload() {
    // The sentence stands for a page that may exist by now: ask for it again.
    if (showingMissing_)
        view_->load(requested_);
    else
        view_->reload();
}

void ViewerWindow::OnPrint() {
    if (printer_)
        return; // still printing
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        printer_.reset();
        return;
    }
    print_->setEnabled(false);
    view_->print(printer_.get());
}

void ViewerWindow::OnPrintFinished() {
    printer_.reset();
    print_->setEnabled(true);
}

void ViewerWindow::OnSaveAsPdf() {
    if (pdf_->busy() || !requested_.isLocalFile()) {
        return;
    }
    // The tournament is the folder of the page shown, leader board or team page.
    const QDir folder = QFileInfo(requested_.toLocalFile()).absoluteDir();
    QDir parent = folder;
    parent.cdUp();
    const QString chosen = prompts_.chooseFile(
        this, parent.absoluteFilePath(folder.dirName() + QStringLiteral(".pdf")));
    if (chosen.isEmpty()) {
        return;
    }
    pdfFile_ = chosen;
    savePdf_->setEnabled(false);
    pdf_->start(folder.absolutePath(), chosen);
}

void ViewerWindow::OnPdfFinished(const QString& error) {
    savePdf_->setEnabled(true);
    if (!error.isEmpty()) {
        prompts_.showError(this, error);
        return;
    }
    statusBar()->showMessage(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(pdfFile_)));
}

void ViewerWindow::OnOpenInBrowser() {
    QDesktopServices::openUrl(requested_.isEmpty() ? view_->url() : requested_);
}

void ViewerWindow::SaveWindowSize() {
    viewerSettings().setValue(QStringLiteral("geometry"), saveGeometry());
}

void ViewerWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    saveSize_.start();
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
    saveSize_.stop();
    SaveWindowSize();
    QMainWindow::closeEvent(event);
}

} // namespace corvane::viewer
