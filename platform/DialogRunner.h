#pragma once
// Runs a window's dialogs modally behind one small interface, so tests see
// which dialog a command opens without a modal loop.
class QDialog;

namespace corvane::platform {

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Runs `dialog` modally and returns its result code.
    virtual int run(QDialog& dialog) = 0;
};

// Runs `dialog` through the installed runner, or with QDialog::exec when none is.
int runModal(QDialog& dialog);

} // namespace corvane::platform
