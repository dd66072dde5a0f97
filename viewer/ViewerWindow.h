#pragma once
// The results viewer's main window: the tournament's pages in a web view, with
// Back, Reload, Print and "Open in Web Browser" in a toolbar.
#include <QMainWindow>
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

// What "Save as PDF…" asks and tells; tests answer without a modal window.
struct PdfPrompts {
    // The file to write, starting from `suggested`; empty when cancelled.
    std::function<QString(QWidget* owner, const QString& suggested)> chooseFile;
    // Shows why the PDF was not written.
    std::function<void(QWidget* owner, const QString& error)> showError;
};

// Said instead of an error page where a page has not been written yet.
inline constexpr const char* missingPageSentence = "The results have not been published yet.";
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
    void setPdfPrompts(PdfPrompts prompts) { prompts_ = std::move(prompts); }
    // The page last asked for, shown or missing.
    QUrl requestedUrl() const { return requested_; }
    bool showsMissingPage() const { return showingMissing_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnMissingPage(const QUrl& url);
    void OnUrlChanged(const QUrl& url);
    void OnTitleChanged(const QString& title);
    void OnReload();
    void OnPrint();
    void OnPrintFinished();
    // "Save as PDF…": every page of the tournament shown, in one file.
    void OnSaveAsPdf();
    void OnPdfFinished(const QString& error);
    void OnOpenInBrowser();
    void BuildToolBar();
    void SaveWindowSize();

    QWebEngineProfile* profile_;
    ResultsPage* page_;
    QWebEngineView* view_;
    QAction* print_ = nullptr;
    QAction* savePdf_ = nullptr;
    TournamentPdf* pdf_;
    PdfPrompts prompts_;
    QString pdfFile_;
    std::unique_ptr<QPrinter> printer_;
    QTimer saveSize_;
    QUrl requested_;
    bool showingMissing_ = false;
};

} // namespace corvane::viewer
