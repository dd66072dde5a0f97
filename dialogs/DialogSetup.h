#pragma once
// What the three data-entry dialogs share when they are built.
#include <QDialog>
#include <QRect>
#include <QString>
#include <functional>

class QPushButton;

namespace corvane::dialogs {

// Builds `dialog` from template `templateId` and installs the Enter and Escape
// filter, so that the dialog closes only through its title bar.
void buildDialog(QDialog& dialog, int templateId);

// Adds a push button that the template lacks, with ID `id`, at `units` (dialog
// units, as the template's controls are placed), after `before` in tab order.
// The dialog grows, when it must, to keep the template's margin below it.
QPushButton* addTemplateButton(QDialog& dialog, int id, const QString& text, const QRect& units,
                               QWidget* before);

// Runs `handler` whenever the push button with ID `id` is clicked.
void connectButton(QDialog& dialog, int id, std::function<void()> handler);

} // namespace corvane::dialogs
