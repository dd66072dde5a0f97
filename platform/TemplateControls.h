#pragma once
// Makes one control of a dialog template as a Qt widget.
#include "platform/DialogUnits.h"
#include "platform/TemplateData.h"

class QWidget;

namespace corvane::platform {

// Creates the control as a child of `parent`, placed at its rectangle converted
// with `base` and moved down by `top` pixels (the height of a menu bar).
QWidget* makeControl(QWidget& parent, const ControlTemplate& control, DialogBaseUnits base,
                     int top);

} // namespace corvane::platform
