#include "viewer/ViewerWindow.h"

#include "viewer/ResultsPage.h"
#include "viewer/StackBelowActive.h"
#include "viewer/TournamentPdf.h"
#include "viewer/WindowPlacement.h"

#include <QCloseEvent>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <algorithm>

namespace corvane::viewer {
namespace {

QSettings viewerSettings() {
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("corvane-viewer"));
}

// One placement per working directory, under a digest of its path, so a viewer
// of another directory neither takes this one's place nor hides it.
constexpr const char* placementGroup = "placements";
constexpr int placementKeyLength = 16;

QString placementKey(const QString& workingDirectory) {
    return QString::fromLatin1(
        QCryptographicHash::hash(workingDirectory.toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(placementKeyLength));
}

// The working directory of a page: the folder above its tournament folder.
QString workingDirectoryOf(const QString& page) {
    QDir folder = QFileInfo(page).absoluteDir();
    folder.cdUp();
    return folder.absolutePath();
}
// The placement is saved this soon after the window was moved or resized, so it
// is kept even when the viewer is ended from outside rather than closed.
constexpr int savePlacementMs = 400;

} // namespace

bool openWithDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString askPdfFile(QWidget* owner, const QString& suggested) {
    return QFileDialog::getSaveFileName(owner, QStringLiteral("Save as PDF"), suggested,
                                        QStringLiteral("PDF (*.pdf)"));
}

void showViewerError(QWidget* owner, const QString& error) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), error, QMessageBox::Ok, owner);
    box.exec();
}

bool askPrinter(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

ViewerWindow::ViewerWindow(QWidget* parent)
    // A profile of its own, kept off the record: the pages are local files and
    // nothing of them needs to be cached or stored.
    : QMainWindow(parent), profile_(new QWebEngineProfile(this)),
      page_(new ResultsPage(profile_, this)), view_(new QWebEngineView(this)),
      pdf_(new TournamentPdf(profile_, this)) {
    view_->setPage(page_);
    setCentralWidget(view_);
    setWindowTitle(QString::fromLatin1(viewerCaption));
    // Started after each saved game: the organiser goes on typing where they were.
    setAttribute(Qt::WA_ShowWithoutActivating);
    stackBelowActiveWhenShown(*this);
    BuildToolBar();

    // A refused navigation is answered once the page is done refusing it.
    connect(page_, &ResultsPage::missingPage, this, &ViewerWindow::OnMissingPage,
            Qt::QueuedConnection);
    connect(page_, &QWebEnginePage::printRequested, this, &ViewerWindow::OnPrint);
    connect(view_, &QWebEngineView::urlChanged, this, &ViewerWindow::OnUrlChanged);
    connect(view_, &QWebEngineView::titleChanged, this, &ViewerWindow::OnTitleChanged);
    connect(view_, &QWebEngineView::printFinished, this, &ViewerWindow::OnPrintFinished);
    connect(page_, &QWebEnginePage::pdfPrintingFinished, this, &ViewerWindow::OnPdfPrinted);
    connect(pdf_, &TournamentPdf::finished, this, &ViewerWindow::OnPdfFinished);

    savePlacement_.setSingleShot(true);
    savePlacement_.setInterval(savePlacementMs);
    connect(&savePlacement_, &QTimer::timeout, this, &ViewerWindow::SaveWindowPlacement);
}

ViewerWindow::~ViewerWindow() {
    // The pages must go before the profile they were made with.
    delete pdf_;
    delete page_;
}

void ViewerWindow::OpenPage(const QString& path) {
    requested_ = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (placementKey_.isEmpty())
        RestoreWindowPlacement(placementKey(workingDirectoryOf(requested_.toLocalFile())));
    view_->load(requested_);
}

QString ViewerWindow::statusText() const {
    return statusBar()->currentMessage();
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
    if (!prompts_.choosePrinter(this, *printer_)) {
        printer_.reset();
        return;
    }
    print_->setEnabled(false);
    // Into a PDF file the engine writes its own PDF: text and shapes stay as they
    // are, instead of a picture of every sheet at the printer's resolution.
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
        page_->printToPdf(printer_->outputFileName(), printer_->pageLayout(),
                          printer_->pageRanges());
        return;
    }
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

void ViewerWindow::OnPdfPrinted(const QString& file, bool ok) {
    OnPrintFinished();
    if (!ok)
        prompts_.showError(this, QStringLiteral("Could not save %1.\n\nChoose a folder you may "
                                                "write to, and close the file if it is open.")
                                     .arg(QDir::toNativeSeparators(file)));
}

void ViewerWindow::OnOpenInBrowser() {
    const QUrl url = requested_.isEmpty() ? view_->url() : requested_;
    const QString shown =
        url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    if (!prompts_.openExternally(url)) {
        prompts_.showError(this, QString::fromLatin1(noBrowserText).arg(shown));
        return;
    }
    // Started is not shown: a browser may end at once (Chromium run as root
    // does) and nothing says so, so the way by hand is given all the same.
    statusBar()->showMessage(QString::fromLatin1(browserStartedText).arg(shown));
}

void ViewerWindow::RestoreWindowPlacement(const QString& key) {
    placementKey_ = key;
    QSettings settings = viewerSettings();
    settings.beginGroup(QString::fromLatin1(placementGroup));
    std::optional<QRect> last;
    QList<QRect> others;
    for (const QString& other : settings.childKeys()) {
        const QVariant saved = settings.value(other);
        if (!saved.canConvert<QRect>())
            continue;
        if (other == key)
            last = saved.toRect();
        else
            others << saved.toRect();
    }
    const QScreen* screen = last ? QGuiApplication::screenAt(last->center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    wantedSize_ = last && last->isValid() ? last->size() : defaultViewerSize;
    wantedSize_.setWidth(std::max(wantedSize_.width(), defaultViewerSize.width()));
    placed_ = placeViewer(last, screen->availableGeometry(), others);
    setGeometry(placed_);
}

void ViewerWindow::SaveWindowPlacement() {
    if (placementKey_.isEmpty() || isMinimized() || isMaximized() || isFullScreen())
        return;
    QSettings settings = viewerSettings();
    settings.beginGroup(QString::fromLatin1(placementGroup));
    settings.setValue(placementKey_, rememberedPlacement(geometry(), placed_, wantedSize_));
}

void ViewerWindow::showEvent(QShowEvent* event) {
    // Shown before any page: placed as a viewer of no working directory.
    if (placementKey_.isEmpty())
        RestoreWindowPlacement(placementKey(QString()));
    QMainWindow::showEvent(event);
}

void ViewerWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    savePlacement_.start();
}

void ViewerWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    savePlacement_.start();
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
    savePlacement_.stop();
    SaveWindowPlacement();
    QMainWindow::closeEvent(event);
}

} // namespace corvane::viewer
