#pragma once
// "Restore from Backup": the earlier versions the backups hold, what restoring
// one would change, and the restore itself after a question.
#include "history/Restore.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace corvane::app {

class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    explicit RestoreDialog(QWidget* parent = nullptr);

    // Shows what restoring the chosen version would change.
    void OnChoose();
    // Asks, then restores the chosen version and republishes.
    void OnRestore();

private:
    std::vector<history::TournamentVersion> versions_;
    QTableWidget* table_ = nullptr;
    QLabel* change_ = nullptr;
    QPushButton* restore_ = nullptr;
};

} // namespace corvane::app
