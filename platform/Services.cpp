#include "platform/Services.h"

#include <QDialog>

namespace corvane::platform {

Services& services() {
    static Services installed;
    return installed;
}

void notify(QWidget* owner, const QString& text, const QString& caption) {
    if (MessageBoxes* boxes = services().messages) {
        boxes->show(owner, text, caption, MessageButtons::Ok);
    }
}

int runModal(QDialog& dialog) {
    if (DialogRunner* runner = services().dialogs) {
        return runner->run(dialog);
    }
    return dialog.exec();
}

void viewResults(QWidget* owner) {
    if (Publisher* publisher = services().publisher) {
        publisher->viewResults(owner);
    }
}

bool askYesNo(QWidget* owner, const QString& text, const QString& caption) {
    MessageBoxes* boxes = services().messages;
    return boxes && boxes->show(owner, text, caption, MessageButtons::YesNo) == MessageAnswer::Yes;
}

} // namespace corvane::platform
