#pragma once
// An item of a window's own window menu (the system menu of Windows).
#include <QString>
#include <functional>

class QWidget;

namespace corvane::platform {

// Appends a separator and the item `text` with command `commandId` to the
// window menu of `window`, running `run` when it is chosen. False, with the
// menu unchanged, where the window system's window menu cannot take items
// (X11, Wayland, macOS) or the text is empty.
bool appendWindowMenuItem(QWidget& window, int commandId, const QString& text,
                          std::function<void()> run);

} // namespace corvane::platform
