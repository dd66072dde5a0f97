#pragma once
// When a web view has put a new frame into its window. A page learns that its
// frame is made before the frame is composed into the window, under load a
// good part of a second before; the view's own scene rendered after that is
// the frame that shows it.
#include <QObject>
#include <QPointer>
#include <QTimer>

class QQuickWindow;
class QWebEngineView;

namespace corvane::viewer {

class ViewFrames : public QObject {
    Q_OBJECT
public:
    explicit ViewFrames(QWebEngineView* view);

    // `shown(generation)` follows once a frame rendered after this call is in
    // the window; a later call replaces an earlier one still waiting.
    void awaitFrame(int generation);

signals:
    void shown(int generation);

private:
    void OnFrame();
    QQuickWindow* scene();

    QWebEngineView* view_;
    QPointer<QQuickWindow> scene_;
    QTimer latest_;
    int awaited_ = -1;
};

} // namespace corvane::viewer
