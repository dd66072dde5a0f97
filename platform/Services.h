#pragma once
// The platform services the windows use. main() installs the real ones;
// tests install scripted message boxes, a fake file dialog, a fake viewer and
// a printer that prints nothing.
#include "platform/DialogRunner.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Publisher.h"
#include "platform/SheetPrinter.h"
#include "platform/ViewerLauncher.h"

namespace corvane::platform {

struct Services {
    MessageBoxes* messages = nullptr;
    FileDialogs* files = nullptr;
    ViewerLauncher* viewer = nullptr;
    DialogRunner* dialogs = nullptr; // null: dialogs run with QDialog::exec
    Publisher* publisher = nullptr;
    SheetPrinter* printer = nullptr;
};

Services& services();

// Shorthands for the common boxes.
void notify(QWidget* owner, const QString& text, const QString& caption);   // OK only
bool askYesNo(QWidget* owner, const QString& text, const QString& caption); // true on Yes
// Publishes through the installed publisher, if any.
void viewResults(QWidget* owner);

} // namespace corvane::platform
