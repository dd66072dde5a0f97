#include "dialogs/DialogSetup.h"

#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/KeyFilter.h"
#include "platform/TemplateControls.h"
#include "platform/TemplateData.h"

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

QPushButton* addTemplateButton(QDialog& dialog, int id, const QString& text, const QRect& units,
                               QWidget* before) {
    platform::ControlTemplate button;
    button.kind = platform::ControlKind::PushButton;
    button.id = id;
    button.text = text;
    button.rect = units;
    button.style = {QStringLiteral("WS_TABSTOP"), QStringLiteral("WS_VISIBLE")};
    const platform::DialogBaseUnits base = platform::dialogBaseUnits(dialog.font(), &dialog);
    auto* made = static_cast<QPushButton*>(platform::makeControl(dialog, button, base, 0));
    // The templates keep 7 units between their lowest control and the edge.
    constexpr int bottomMargin = 7;
    const int bottom =
        platform::dialogUnitsToPixels(QRect(0, 0, 1, units.bottom() + 1 + bottomMargin), base)
            .height();
    if (bottom > dialog.height()) {
        dialog.setFixedSize(dialog.width(), bottom);
    }
    if (before) {
        QWidget::setTabOrder(before, made);
    }
    // Enter and Escape are kept from it as from the template's own controls.
    if (auto* filter = dialog.findChild<platform::EnterEscapeFilter*>()) {
        made->installEventFilter(filter);
    }
    return made;
}

void connectButton(QDialog& dialog, int id, std::function<void()> handler) {
    if (auto* button = platform::control<QPushButton>(dialog, id)) {
        QObject::connect(button, &QPushButton::clicked, &dialog, std::move(handler));
    }
}

} // namespace corvane::dialogs
