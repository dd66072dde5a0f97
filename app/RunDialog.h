#pragma once
// Running one of the program's windows from a command of the main window.
#include "platform/DialogRunner.h"

class QWidget;

namespace corvane::app {

// Made over the main window, run modally, destroyed on return: the window has
// written its own changes by then, and the store cannot change while it shows.
template <class Dialog> void runDialog(QWidget* owner) {
    Dialog dialog(owner);
    platform::runModal(dialog);
}

} // namespace corvane::app
