#include "viewer/DisplayWindow.h"

#include "viewer/DisplayPage.h"
#include "viewer/ResultsPage.h"
#include "viewer/StackBelowActive.h"
#include "viewer/ViewFrames.h"
#include "viewer/WindowPlacement.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWindow>
#include <algorithm>

namespace corvane::viewer {
namespace {

// The width the pages are drawn for: the 980-pixel table and the page's margins.
constexpr double pageWidth = 1000.0;
// The web engine's own limits on zoom.
constexpr double minZoom = 0.25;
constexpr double maxZoom = 5.0;
// Readable from the back of a room: a stop of some seconds, then about a row a second.
constexpr int scrollPauseMs = 6000;
constexpr int scrollSpeed = 30;
// Folder watching does not reach across every network share: looked at this often too.
constexpr int pollMs = 1000;
// Writes come in bursts (a page per team): they are taken together.
constexpr int settleMs = 5;
// The corner label's text height, as a part of the screen's height.
constexpr int labelHeightParts = 40;
constexpr int minLabelPixels = 14;
constexpr int labelMargin = 12;

} // namespace

DisplayWindow::DisplayWindow(const QString& workingDirectory, QWidget* parent)
    : QWidget(parent), boards_(QDir(workingDirectory).absolutePath().toStdString()),
      profile_(new QWebEngineProfile(this)), page_(new DisplayPage(profile_, this)),
      view_(new QWebEngineView(this)), updatedLabel_(new QLabel(this)),
      frames_(new ViewFrames(view_)) {
    setWindowTitle(QString::fromLatin1(displayCaption));
    setAttribute(Qt::WA_ShowWithoutActivating);
    stackBelowActiveWhenShown(*this);
    setCursor(Qt::BlankCursor);
    setStyleSheet(QStringLiteral("background: black"));

    page_->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    page_->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    setScrollTiming(scrollPauseMs, scrollSpeed);
    view_->setPage(page_);
    // For looking only: no clicks, no keys, no pointer; the window keeps Escape.
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setEnabled(false);
    view_->setCursor(Qt::BlankCursor);

    updatedLabel_->setStyleSheet(QStringLiteral(
        "color: white; background: rgba(0, 0, 0, 160); padding: 4px 10px; border-radius: 6px"));
    updatedLabel_->hide();

    connect(page_, &DisplayPage::drawn, this, &DisplayWindow::OnDrawn);
    connect(frames_, &ViewFrames::shown, this, &DisplayWindow::OnShown);
    connect(view_, &QWebEngineView::loadFinished, this, &DisplayWindow::OnLoadFinished);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            &DisplayWindow::OnFolderChanged);
    soon_.setSingleShot(true);
    soon_.setInterval(settleMs);
    connect(&soon_, &QTimer::timeout, this, &DisplayWindow::OnCheck);
    poll_.setInterval(pollMs);
    connect(&poll_, &QTimer::timeout, this, &DisplayWindow::OnCheck);
    poll_.start();

    WatchFolders();
    Load();
}

DisplayWindow::~DisplayWindow() {
    // The page must go before the profile it was made with.
    delete view_;
    delete page_;
}

void DisplayWindow::ShowOn(QScreen* screen) {
    if (screen) {
        // The size it takes out of full screen, which the window manager keeps
        // for then; on `screen`, so that full screen is there.
        setGeometry(normalDisplayGeometry(screen->availableGeometry()));
        create();
        windowHandle()->setScreen(screen);
    }
    // Not showFullScreen(): that activates the window, and the focus would leave
    // the organiser's.
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
}

void DisplayWindow::setScrollTiming(int pauseMs, int pixelsPerSecond) {
    // For the pages to come, and for the page shown if it runs the script already.
    page_->scripts().clear();
    QWebEngineScript script;
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setSourceCode(displayScript(pauseMs, pixelsPerSecond));
    page_->scripts().insert(script);
    page_->runJavaScript(QStringLiteral("if (window.corvaneDisplay) {"
                                        " corvaneDisplay.state.pauseMs = %1;"
                                        " corvaneDisplay.state.speed = %2; }")
                             .arg(pauseMs)
                             .arg(pixelsPerSecond));
}

QString DisplayWindow::updatedText() const {
    return updatedLabel_->isHidden() ? QString() : updatedLabel_->text();
}

QRect DisplayWindow::updatedLabelGeometry() const {
    return updatedLabel_->geometry();
}

QString DisplayWindow::boardPath() const {
    return QString::fromStdString(boards_.current());
}

void DisplayWindow::OnFolderChanged() {
    if (!soon_.isActive())
        soon_.start();
}

void DisplayWindow::OnCheck() {
    const PublishedBoards::Change change = boards_.check();
    WatchFolders();
    if (change == PublishedBoards::Change::none)
        return;
    if (loading_) {
        pending_ = true;
    } else if (change == PublishedBoards::Change::rewritten && showsBoard_) {
        ReplaceInPlace();
    } else {
        Load();
    }
}

void DisplayWindow::WatchFolders() {
    QSet<QString> wanted;
    for (const std::string& folder : boards_.folders())
        wanted.insert(QString::fromStdString(folder));
    const QStringList watchedList = watcher_.directories();
    const QSet<QString> watched(watchedList.begin(), watchedList.end());
    if (const QSet<QString> gone = watched - wanted; !gone.isEmpty())
        watcher_.removePaths(gone.values());
    if (const QSet<QString> added = wanted - watched; !added.isEmpty())
        (void)watcher_.addPaths(added.values());
}

void DisplayWindow::Load() {
    ++generation_;
    loading_ = true;
    pending_ = false;
    showsBoard_ = !boards_.current().empty();
    if (showsBoard_)
        view_->load(QUrl::fromLocalFile(boardPath()));
    else
        page_->setHtml(missingPageHtml());
}

void DisplayWindow::ReplaceInPlace() {
    QFile file(boardPath());
    if (!file.open(QIODevice::ReadOnly)) {
        Load(); // gone between the look and the read: shown as it now is
        return;
    }
    const QString html = QString::fromUtf8(file.readAll());
    const QByteArray quoted = QJsonDocument(QJsonArray{html}).toJson(QJsonDocument::Compact);
    ++generation_;
    page_->runJavaScript(QStringLiteral("corvaneDisplay.update(%1[0], %2)")
                             .arg(QString::fromUtf8(quoted))
                             .arg(generation_));
}

void DisplayWindow::OnLoadFinished(bool ok) {
    loading_ = false;
    ScaleToWidth();
    if (pending_) {
        pending_ = false;
        if (ok && showsBoard_) {
            ReplaceInPlace();
            return;
        }
        Load();
        return;
    }
    page_->runJavaScript(
        QStringLiteral(
            "window.corvaneDisplay ? corvaneDisplay.afterFrame(%1) : console.log('%2%1')")
            .arg(generation_)
            .arg(QLatin1StringView(DisplayPage::drawnMessage)));
}

void DisplayWindow::OnDrawn(int generation) {
    if (generation != generation_)
        return; // an older update; a newer one is on its way
    // The label changes with the table, not before it.
    frames_->awaitFrame(generation);
}

void DisplayWindow::OnShown(int generation) {
    if (generation != generation_)
        return;
    const FileStamp stamp = boards_.currentStamp();
    if (stamp.exists) {
        const QDateTime published = QDateTime::fromMSecsSinceEpoch(stamp.modifiedNs / 1'000'000);
        updatedLabel_->setText(QStringLiteral("Updated ") +
                               published.toString(QStringLiteral("HH:mm")));
        updatedLabel_->show();
    } else {
        updatedLabel_->hide();
    }
    LayOut();
    emit updated();
}

void DisplayWindow::ScaleToWidth() {
    view_->setZoomFactor(std::clamp(view_->width() / pageWidth, minZoom, maxZoom));
}

void DisplayWindow::LayOut() {
    QFont font = updatedLabel_->font();
    font.setPixelSize(std::max(minLabelPixels, height() / labelHeightParts));
    updatedLabel_->setFont(font);
    if (updatedLabel_->text().isEmpty())
        updatedLabel_->setText(QStringLiteral("Updated 00:00")); // its size before the first
    updatedLabel_->adjustSize();
    // A strip of its own below the page: over the page it hid the figures of the
    // bottom rows whatever the page's scale.
    const int strip = updatedLabel_->height() + 2 * labelMargin;
    view_->setGeometry(0, 0, width(), std::max(0, height() - strip));
    updatedLabel_->move(width() - updatedLabel_->width() - labelMargin,
                        height() - updatedLabel_->height() - labelMargin);
    ScaleToWidth();
}

void DisplayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        // Back to a window the organiser can see whole and move: left at the
        // screen's size, its title bar sat above the screen's top.
        const QScreen* where = screen();
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        if (where)
            setGeometry(normalDisplayGeometry(where->availableGeometry()));
        return;
    }
    if (event->key() == Qt::Key_F11 && !isFullScreen()) {
        setWindowState(windowState() | Qt::WindowFullScreen);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DisplayWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

} // namespace corvane::viewer
