#include "dialogs/DialogSetup.h"

#include "platform/DialogTemplate.h"
#include "platform/KeyFilter.h"

#include <QPushButton>
#include <utility>

namespace corvane::dialogs {

void buildDialog(QDialog& dialog, int templateId) {
    // The templates are compiled into the program: one missing is a broken build.
    if (!platform::buildFromTemplate(dialog, templateId)) {
        qFatal("Dialog template %d is missing", templateId);
    }
    platform::installEnterEscapeFilter(dialog);
}

void connectButton(QDialog& dialog, int id, std::function<void()> handler) {
    if (auto* button = platform::control<QPushButton>(dialog, id)) {
        QObject::connect(button, &QPushButton::clicked, &dialog, std::move(handler));
    }
}

} // namespace corvane::dialogs
