#pragma once
// "History": the tournament's journal, newest first, one change a line.
#include <QDialog>

namespace corvane::app {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(QWidget* parent = nullptr);
};

} // namespace corvane::app
