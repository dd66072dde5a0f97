#pragma once
// Registers the players of the current tournament, one name at a time.
#include <QDialog>
#include <QString>

class QLineEdit;
class QListWidget;

namespace corvane::dialogs {

class AddPlayerDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddPlayerDialog(QWidget* parent = nullptr);

    // Button "Add": checks the typed name, asks, then stores and writes it.
    void OnAdd();
    // Button "Clear": empties the name field.
    void OnClear();
    // Button "Add from List…": many players at once, then the list shows them.
    void OnAddFromList();

    // Shows every registered player; the list keeps them sorted.
    void FillPlayerList();
    // True when no registered player has this name, letter case aside.
    bool IsNewPlayerName(const QString& name) const;
    void ClearNameField();

private:
    QLineEdit* nameField_ = nullptr;
    QListWidget* playerList_ = nullptr;
};

} // namespace corvane::dialogs
