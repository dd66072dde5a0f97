#include "app/BackupsNotice.h"

#include "platform/Changes.h"

#include <QDialog>
#include <QLabel>

namespace corvane::app {

namespace {

constexpr int margin = 8;

} // namespace

void addBackupsNotice(QDialog& window) {
    auto* notice = new QLabel(&window);
    notice->setObjectName(QStringLiteral("backupsNotice"));
    notice->setWordWrap(true);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice->hide();
    // The window has a fixed size: it grows by the notice while it shows.
    QObject::connect(
        &platform::changeSignals(), &platform::ChangeSignals::backupsProblem, notice,
        [&window, notice](const QString& problem) {
            const int base = window.height() - (notice->isHidden() ? 0 : notice->height() + margin);
            notice->setVisible(!problem.isEmpty());
            if (problem.isEmpty()) {
                window.setFixedSize(window.width(), base);
                return;
            }
            notice->setText(QStringLiteral("No backups are being kept. %1").arg(problem));
            const int width = window.width() - 2 * margin;
            const int height = notice->heightForWidth(width);
            notice->setGeometry(margin, base, width, height);
            window.setFixedSize(window.width(), base + height + margin);
        });
}

} // namespace corvane::app
