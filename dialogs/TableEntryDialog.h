#pragma once
// The Table Entry window: starts and stops the web server the tables' phones
// use, shows its address, the open tables with their links and QR codes, and
// the queue of results, which the organiser accepts, edits or rejects. The
// server and the queue outlive the window; saved results go through the one
// door like typed games.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace corvane::platform {
class TableDesk;
}

namespace corvane::dialogs {

class TableEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit TableEntryDialog(QWidget* parent = nullptr);
    ~TableEntryDialog() override;

    void OnStartStop();
    void OnAnyTeams();
    void OnPrintCards();
    void OnAccept();
    void OnEdit();
    void OnReject();

private:
    QWidget* buildServerRow();
    QWidget* buildTablesRow();
    void ShowServer();
    void FillTables();
    void FillQueue();
    void ShowCode();
    // The queue item of the selected row; -1 when none is selected.
    int selectedItem() const;

    platform::TableDesk& desk_;
    QComboBox* interface_ = nullptr;
    QSpinBox* port_ = nullptr;
    QPushButton* startStop_ = nullptr;
    QLabel* address_ = nullptr;
    QSpinBox* anyCount_ = nullptr;
    QTableWidget* tables_ = nullptr;
    QLabel* code_ = nullptr;
    QTableWidget* queue_ = nullptr;
    QLabel* problem_ = nullptr; // why a result saved on its own was not saved
    QCheckBox* saveConfirmed_ = nullptr;
};

// New tables revoke the open ones and drop their results: when any result
// still waits for the organiser, asks first. True to go on.
bool mayOpenNewTables(QWidget* owner);

} // namespace corvane::dialogs
