#include "viewer/ViewFrames.h"

#include <QQuickWidget>
#include <QQuickWindow>
#include <QWebEngineView>

namespace corvane::viewer {
namespace {

// A frame is composed within this even on a busy machine; when none comes,
// the frame before the page's word already held the change.
constexpr int latestFrameMs = 100;

} // namespace

ViewFrames::ViewFrames(QWebEngineView* view) : QObject(view), view_(view) {
    latest_.setSingleShot(true);
    latest_.setInterval(latestFrameMs);
    connect(&latest_, &QTimer::timeout, this, &ViewFrames::OnFrame);
}

QQuickWindow* ViewFrames::scene() {
    if (scene_ == nullptr) {
        // The view draws through a Qt Quick scene of its own, made when the
        // view is first shown.
        if (auto* widget = qobject_cast<QQuickWidget*>(view_->focusProxy())) {
            scene_ = widget->quickWindow();
            // Queued: a threaded scene renders away from this thread.
            connect(scene_, &QQuickWindow::afterRendering, this, &ViewFrames::OnFrame,
                    Qt::QueuedConnection);
        }
    }
    return scene_;
}

void ViewFrames::awaitFrame(int generation) {
    awaited_ = generation;
    if (scene() == nullptr) {
        latest_.start(0); // drawn some other way: nothing more to wait for
        return;
    }
    latest_.start();
}

void ViewFrames::OnFrame() {
    if (awaited_ < 0)
        return;
    const int generation = awaited_;
    awaited_ = -1;
    latest_.stop();
    emit shown(generation);
}

} // namespace corvane::viewer
