#include "platform/DialogTemplate.h"

#include "platform/DialogUnits.h"
#include "platform/TemplateControls.h"
#include "platform/TemplateData.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace corvane::platform {
namespace {

const char* const menuBarName = "corvaneMenuBar";

QMenuBar* buildMenuBar(QDialog& dialog, const MenuTemplate& menu) {
    auto* bar = new QMenuBar(&dialog);
    bar->setObjectName(QLatin1String(menuBarName));
    bar->setNativeMenuBar(false);
    // Menus use the desktop's menu font, not the dialog's.
    bar->setFont(QApplication::font(bar));
    for (const MenuPopupTemplate& popup : menu.popups) {
        QMenu* m = bar->addMenu(popup.text);
        for (const MenuItemTemplate& item : popup.items) {
            if (item.separator) {
                m->addSeparator();
                continue;
            }
            QAction* action = m->addAction(item.text);
            action->setObjectName(QString::number(item.id));
            action->setData(item.id);
        }
    }
    return bar;
}

void wireStandardButtons(QDialog& dialog) {
    if (auto* ok = control<QAbstractButton>(dialog, 1)) {
        QObject::connect(ok, &QAbstractButton::clicked, &dialog, &QDialog::accept);
    }
    if (auto* cancel = control<QAbstractButton>(dialog, 2)) {
        QObject::connect(cancel, &QAbstractButton::clicked, &dialog, &QDialog::reject);
    }
}

} // namespace

QFont templateFont(const QString& face, int points) {
    QFont font = QFontDatabase::families().contains(face, Qt::CaseInsensitive)
                     ? QFont(face)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(points > 0 ? points : 8);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

bool buildFromTemplate(QDialog& dialog, int templateId) {
    const auto found = loadDialogTemplate(templateId);
    return found && buildFromTemplate(dialog, *found);
}

bool buildFromTemplate(QDialog& dialog, const DialogTemplate& t) {
    dialog.setWindowTitle(t.caption);
    // A modal frame with a system menu: a close box, no minimize or maximize box.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setFont(templateFont(t.fontFace, t.fontPoints));
    const DialogBaseUnits base = dialogBaseUnits(dialog.font(), &dialog);
    const QRect client = dialogUnitsToPixels(QRect(QPoint(0, 0), t.rect.size()), base);

    int top = 0;
    QMenuBar* bar = nullptr;
    if (t.menuId != 0) {
        if (const auto menu = loadMenuTemplate(t.menuId)) {
            bar = buildMenuBar(dialog, *menu);
            top = bar->isNativeMenuBar() ? 0 : bar->sizeHint().height();
        }
    }

    std::vector<QWidget*> tabStops;
    std::vector<QWidget*> groupBoxes;
    for (const ControlTemplate& c : t.controls) {
        QWidget* w = makeControl(dialog, c, base, top);
        if (w->focusPolicy() == Qt::StrongFocus) {
            tabStops.push_back(w);
        }
        if (c.kind == ControlKind::GroupBox) {
            groupBoxes.push_back(w);
        }
    }
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
    }
    // A group box only frames its neighbours: keep it beneath them so that
    // it never takes their clicks.
    for (QWidget* box : groupBoxes) {
        box->lower();
    }
    wireStandardButtons(dialog);

    dialog.setFixedSize(client.width(), client.height() + top);
    if (bar) {
        bar->setGeometry(0, 0, client.width(), top);
    }
    return true;
}

QAction* command(const QWidget& window, int id) {
    return window.findChild<QAction*>(QString::number(id));
}

QMenuBar* templateMenuBar(const QWidget& window) {
    return window.findChild<QMenuBar*>(QLatin1String(menuBarName));
}

} // namespace corvane::platform
