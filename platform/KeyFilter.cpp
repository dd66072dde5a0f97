#include "platform/KeyFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace corvane::platform {
namespace {

bool isEnterOrEscape(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

bool EnterEscapeFilter::eventFilter(QObject* watched, QEvent* event) {
    if (isEnterOrEscape(event)) {
        // Accepting the override keeps Enter and Escape away from shortcuts;
        // swallowing the key press keeps them from buttons and the dialog.
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void installEnterEscapeFilter(QWidget& window) {
    auto* filter = new EnterEscapeFilter(&window);
    window.installEventFilter(filter);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        // Pop-up lists and owned windows are windows of their own.
        if (!child->isWindow()) {
            child->installEventFilter(filter);
        }
    }
}

} // namespace corvane::platform
