#pragma once
// Consumes Enter and Escape so that no window closes on them.
#include <QObject>

class QWidget;

namespace corvane::platform {

class EnterEscapeFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs the filter on `window` and its controls.
void installEnterEscapeFilter(QWidget& window);

} // namespace corvane::platform
