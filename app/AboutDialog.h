#pragma once
// The About box: template 100, closed by OK, Enter, Escape or its close box.
#include <QDialog>

namespace corvane::app {

class AboutDialog : public QDialog {
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace corvane::app
