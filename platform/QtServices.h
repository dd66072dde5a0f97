#pragma once
// The real message boxes and Open dialog, shown with Qt.
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <memory>

class QMessageBox;

namespace corvane::platform {

// The box `show` runs: no icon, the given caption, text and buttons, owned by `owner`.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const QString& text,
                                            const QString& caption, MessageButtons buttons);

std::unique_ptr<MessageBoxes> makeQtMessageBoxes();
std::unique_ptr<FileDialogs> makeQtFileDialogs();

} // namespace corvane::platform
