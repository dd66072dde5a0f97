#pragma once
// The results viewer's main window: the tournament's pages in a web view, with
// Back, Reload, Print and "Open in Web Browser" in a toolbar.
#include <QMainWindow>
#include <QRect>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

class QAction;
class QPrinter;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane::viewer {

class ResultsPage;
class TournamentPdf;

// The modal parts of the viewer: what it asks and what it starts outside itself.
// Tests answer in their place; each left out is the real one.
bool openWithDesktop(const QUrl& url);
QString askPdfFile(QWidget* owner, const QString& suggested);
void showViewerError(QWidget* owner, const QString& error);
bool askPrinter(QWidget* owner, QPrinter& printer);

struct ViewerPrompts {
    // "Save as PDF…": the file to write, starting from `suggested`; empty when cancelled.
    std::function<QString(QWidget* owner, const QString& suggested)> chooseFile = askPdfFile;
    // Says what went wrong.
    std::function<void(QWidget* owner, const QString& error)> showError = showViewerError;
    // Opens `url` in the desktop's web browser; false if none could be started.
    std::function<bool(const QUrl& url)> openExternally = openWithDesktop;
    // "Print": sets up `printer`; false when cancelled.
    std::function<bool(QWidget* owner, QPrinter& printer)> choosePrinter = askPrinter;
};

// Said when "Open in Web Browser" finds no browser to start.
inline constexpr const char* noBrowserText =
    "No web browser could be started to show %1.\n\nChoose a default web browser in your "
    "desktop's settings, or open the page from your file manager.";

// Said once a browser was asked to show a page, since no browser says whether it did.
inline constexpr const char* browserStartedText =
    "A web browser was asked to show the page. If none opens, open %1 in your web browser.";

inline constexpr const char* programName = "Corvane Tournament Software";
// The caption while a page has no title of its own; a page's title goes before the
// program's name.
inline constexpr const char* viewerCaption = "Tournament Results - Corvane Tournament Software";

class ViewerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ViewerWindow(QWidget* parent = nullptr);
    ~ViewerWindow() override;

    // Shows the page file at `path` (relative paths are taken from the current folder).
    void OpenPage(const QString& path);

    QWebEngineView* view() const { return view_; }
    QAction* savePdfAction() const { return savePdf_; }
    // What the status bar says at the moment.
    QString statusText() const;
    void setPrompts(ViewerPrompts prompts) { prompts_ = std::move(prompts); }
    // The page last asked for, shown or missing.
    QUrl requestedUrl() const { return requested_; }
    bool showsMissingPage() const { return showingMissing_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnMissingPage(const QUrl& url);
    void OnUrlChanged(const QUrl& url);
    void OnTitleChanged(const QString& title);
    void OnReload();
    void OnPrint();
    void OnPrintFinished();
    void OnPdfPrinted(const QString& file, bool ok);
    // "Save as PDF…": every page of the tournament shown, in one file.
    void OnSaveAsPdf();
    void OnPdfFinished(const QString& error);
    void OnOpenInBrowser();
    void BuildToolBar();
    void SaveWindowPlacement();
    void RestoreWindowPlacement(const QString& key);

    QWebEngineProfile* profile_;
    ResultsPage* page_;
    QWebEngineView* view_;
    QAction* print_ = nullptr;
    QAction* savePdf_ = nullptr;
    TournamentPdf* pdf_;
    ViewerPrompts prompts_;
    QString pdfFile_;
    std::unique_ptr<QPrinter> printer_;
    QTimer savePlacement_;
    QString placementKey_; // empty until placed
    QRect placed_;         // where it was placed, made to fit the screen
    QSize wantedSize_;     // the size asked for before it was made to fit
    QUrl requested_;
    bool showingMissing_ = false;
};

} // namespace corvane::viewer
