#pragma once
// Builds a window's controls from a dialog template kept as data in res/.
#include <QString>
#include <QWidget>

class QDialog;

namespace corvane::platform {

// Builds template `templateId` into `dialog`: caption, fixed client size and every
// control placed by converting dialog units to pixels with the template font's
// metrics, in the template's tab order. A control with an ID carries the ID in
// decimal as its object name ("1009"). Returns false if the template is unknown.
bool buildFromTemplate(QDialog& dialog, int templateId);

// The control with the given ID, or null.
template <class Widget> Widget* control(const QWidget& window, int id) {
    return window.findChild<Widget*>(QString::number(id));
}

} // namespace corvane::platform
