#pragma once
// What the three data-entry dialogs share when they are built.
#include <QDialog>
#include <functional>

namespace corvane::dialogs {

// Builds `dialog` from template `templateId` and installs the Enter and Escape
// filter, so that the dialog closes only through its title bar.
void buildDialog(QDialog& dialog, int templateId);

// Runs `handler` whenever the push button with ID `id` is clicked.
void connectButton(QDialog& dialog, int id, std::function<void()> handler);

} // namespace corvane::dialogs
