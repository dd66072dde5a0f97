#pragma once
// Adds many players at once from a list pasted in or read from a file: one
// name a line, or one column of comma-separated values. Before anything is
// added it shows which names will be added and which are refused, and why;
// one confirmation then adds them all and writes the players file once.
#include "imports/NameList.h"

#include <QDialog>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace corvane::dialogs {

class NameReviewModel;

class AddFromListDialog : public QDialog {
    Q_OBJECT
public:
    // Object names of the controls, for tests and accessibility tools.
    static constexpr const char* pastedTextName = "pastedText";
    static constexpr const char* chooseFileName = "chooseFile";
    static constexpr const char* csvFormatName = "csvFormat";
    static constexpr const char* columnName = "csvColumn";
    static constexpr const char* headerRowName = "headerRow";
    static constexpr const char* reviewName = "review";
    static constexpr const char* addName = "addPlayers";

    explicit AddFromListDialog(QWidget* parent = nullptr);

    // "Choose File…": reads a list from a file; CSV when its name ends in .csv.
    void OnChooseFile();
    // "Add Players": asks once, then adds every name to be added and writes the file.
    void OnAddPlayers();
    // Judges the list anew; the window shows the outcome.
    void ReviewList();
    // How many players were added while the window was open.
    std::size_t addedCount() const { return added_; }

private:
    void BuildControls();
    std::vector<std::string> CurrentLines() const;
    ListLayout CurrentLayout() const;
    void FillColumns();
    // Reads the file at `path`; false, with the reason shown, when it cannot be
    // read or is no list of names.
    bool ReadFile(const QString& path);

    QPlainTextEdit* pasted_ = nullptr;
    QRadioButton* fromPasted_ = nullptr;
    QRadioButton* fromFile_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QRadioButton* oneALine_ = nullptr;
    QRadioButton* csv_ = nullptr;
    QComboBox* column_ = nullptr;
    QCheckBox* headerRow_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* add_ = nullptr;
    NameReviewModel* model_ = nullptr;
    std::vector<std::string> fileLines_;
    std::size_t added_ = 0;
};

} // namespace corvane::dialogs
