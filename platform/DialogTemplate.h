#pragma once
// Builds a window's controls from a dialog template kept as data in res/.
#include <QString>
#include <QWidget>

class QAction;
class QDialog;
class QFont;
class QMenuBar;

namespace corvane::platform {

struct DialogTemplate;

// Builds template `templateId` into `dialog`: caption, fixed client size and every
// control placed by converting dialog units to pixels with the template font's
// metrics, in the template's tab order. A control with an ID carries the ID in
// decimal as its object name ("1009"). Returns false if the template is unknown.
bool buildFromTemplate(QDialog& dialog, int templateId);

// The same from a template already read. A template naming a menu gets a menu
// bar above its client area; each command carries its ID as its object name.
// IDOK (1) accepts the dialog and IDCANCEL (2) rejects it, as in Windows.
bool buildFromTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate);

// The template's font: its face when installed, else the desktop's sans-serif,
// at the template's point size.
QFont templateFont(const QString& face, int points);

// The control with the given ID, or null.
template <class Widget> Widget* control(const QWidget& window, int id) {
    return window.findChild<Widget*>(QString::number(id));
}

// The menu command with the given ID, or null.
QAction* command(const QWidget& window, int id);

// The menu bar a template gave the window, or null.
QMenuBar* templateMenuBar(const QWidget& window);

} // namespace corvane::platform
