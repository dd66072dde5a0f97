#pragma once
// The projector display: the leader board last published in a working
// directory, full screen for the players, updated in place whenever the pages
// are written again. It never takes the keyboard focus on its own.
#include "reports/PublishedBoards.h"

#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

class QLabel;
class QScreen;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane::viewer {

class DisplayPage;
class ViewFrames;

inline constexpr const char* displayCaption = "Standings Display - Corvane Tournament Software";

class DisplayWindow : public QWidget {
    Q_OBJECT
public:
    explicit DisplayWindow(const QString& workingDirectory, QWidget* parent = nullptr);
    ~DisplayWindow() override;

    // Full screen on `screen` (null: where the window is), without activating it.
    void ShowOn(QScreen* screen);
    // How long the scroll stops at the top and at the end, and how fast it goes.
    void setScrollTiming(int pauseMs, int pixelsPerSecond);

    QWebEngineView* view() const { return view_; }
    // "Updated 21:34": when the standings shown were published; empty before.
    QString updatedText() const;
    // Where the "Updated" label is, in the window.
    QRect updatedLabelGeometry() const;
    // The leader board shown, empty while none is published.
    QString boardPath() const;

signals:
    // The standings just published are in the window.
    void updated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnFolderChanged();
    void OnCheck();
    void OnLoadFinished(bool ok);
    void OnDrawn(int generation);
    void OnShown(int generation);
    void Load();
    void ReplaceInPlace();
    void ScaleToWidth();
    void WatchFolders();
    void LayOut();

    PublishedBoards boards_;
    QFileSystemWatcher watcher_;
    QTimer soon_;
    QTimer poll_;
    QWebEngineProfile* profile_;
    DisplayPage* page_;
    QWebEngineView* view_;
    QLabel* updatedLabel_;
    ViewFrames* frames_;
    int generation_ = 0;
    bool loading_ = false;
    bool showsBoard_ = false; // a board is loaded, so it can be updated in place
    bool pending_ = false;    // published again while loading
};

} // namespace corvane::viewer
