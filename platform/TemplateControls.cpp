#include "platform/TemplateControls.h"

#include "platform/ListBoxes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace corvane::platform {
namespace {

QWidget* makeButton(QWidget& parent, const ControlTemplate& c) {
    auto* button = new QPushButton(c.text, &parent);
    button->setAutoDefault(false);
    if (c.kind == ControlKind::DefPushButton || c.has("BS_DEFPUSHBUTTON")) {
        button->setDefault(true);
    }
    return button;
}

QWidget* makeEdit(QWidget& parent, const ControlTemplate& c) {
    auto* edit = new QLineEdit(c.text, &parent);
    edit->setFrame(c.has("WS_BORDER"));
    if (c.has("ES_NUMBER")) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    return edit;
}

QWidget* makeListBox(QWidget& parent, const ControlTemplate& c) {
    auto* list = new QListWidget(&parent);
    if (c.has("LBS_EXTENDEDSEL")) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    } else if (c.has("LBS_MULTIPLESEL")) {
        list->setSelectionMode(QAbstractItemView::MultiSelection);
    } else {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    list->setFrameShape(c.has("WS_BORDER") ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(c.has("WS_VSCROLL") ? Qt::ScrollBarAsNeeded
                                                         : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(c.has("WS_HSCROLL") ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
    if (c.has("LBS_SORT")) {
        keepSorted(*list);
    }
    list->addItems(c.items);
    return list;
}

QWidget* makeComboBox(QWidget& parent, const ControlTemplate& c) {
    auto* combo = new QComboBox(&parent);
    const bool editable = !c.has("CBS_DROPDOWNLIST");
    combo->setEditable(editable);
    if (editable) {
        // A Windows drop-down neither completes typed text nor turns it into an item.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    setSorted(*combo, c.has("CBS_SORT"));
    for (const QString& item : c.items) {
        addString(*combo, item);
    }
    combo->setCurrentIndex(-1);
    return combo;
}

QWidget* makeStatic(QWidget& parent, const ControlTemplate& c) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(c.text);
    label->setWordWrap(true);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (c.has("SS_CENTER")) {
        horizontal = Qt::AlignHCenter;
    } else if (c.has("SS_RIGHT")) {
        horizontal = Qt::AlignRight;
    }
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QWidget* makeIcon(QWidget& parent, const ControlTemplate& c) {
    auto* label = new QLabel(&parent);
    const QIcon icon = loadIconGroup(c.text.toInt());
    if (!icon.isNull()) {
        label->setPixmap(icon.pixmap(32, 32));
    }
    return label;
}

QWidget* makeWidget(QWidget& parent, const ControlTemplate& c) {
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        return makeButton(parent, c);
    case ControlKind::Edit:
        return makeEdit(parent, c);
    case ControlKind::ListBox:
        return makeListBox(parent, c);
    case ControlKind::ComboBox:
        return makeComboBox(parent, c);
    case ControlKind::GroupBox:
        return new QGroupBox(c.text, &parent);
    case ControlKind::Icon:
        return makeIcon(parent, c);
    case ControlKind::Static:
        break;
    }
    return makeStatic(parent, c);
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Static && kind != ControlKind::GroupBox &&
           kind != ControlKind::Icon;
}

} // namespace

QWidget* makeControl(QWidget& parent, const ControlTemplate& c, DialogBaseUnits base, int top) {
    QWidget* w = makeWidget(parent, c);
    if (c.id != -1) {
        w->setObjectName(QString::number(c.id));
    }
    QRect pixels = dialogUnitsToPixels(c.rect, base).translated(0, top);
    if (c.kind == ControlKind::ComboBox) {
        // The template's height includes the dropped-down list; the box itself
        // keeps its natural height, and the list shows as many items as fit.
        const int field = std::min(w->sizeHint().height(), pixels.height());
        auto* combo = static_cast<QComboBox*>(w);
        const int itemHeight = std::max(1, combo->fontMetrics().height() + 2);
        combo->setMaxVisibleItems(std::max(1, (pixels.height() - field) / itemHeight));
        pixels.setHeight(field);
    } else if (c.kind == ControlKind::Icon) {
        pixels.setSize(QSize(32, 32));
    }
    w->setGeometry(pixels);
    if (!takesFocus(c.kind)) {
        w->setFocusPolicy(Qt::NoFocus);
    } else {
        w->setFocusPolicy(c.has("WS_TABSTOP") ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (c.has("WS_DISABLED")) {
        w->setEnabled(false);
    }
    if (!c.has("WS_VISIBLE")) {
        w->setVisible(false);
    }
    return w;
}

} // namespace corvane::platform
