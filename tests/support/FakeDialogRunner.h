#pragma once
// Runs no modal loop: records each dialog a command opens (its caption and
// class) and can act on it while it is "open".
#include "platform/DialogRunner.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

namespace corvane::testing {

class FakeDialogRunner final : public platform::DialogRunner {
public:
    struct Run {
        QString caption;
        QString className;
        QWidget* owner = nullptr;
    };
    std::vector<Run> runs;
    std::function<void(QDialog&)> whileOpen;

    int run(QDialog& dialog) override {
        runs.push_back(
            {dialog.windowTitle(), dialog.metaObject()->className(), dialog.parentWidget()});
        if (whileOpen) {
            whileOpen(dialog);
        }
        return QDialog::Rejected;
    }
};

} // namespace corvane::testing
