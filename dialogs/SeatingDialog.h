#pragma once
// What the Next Round and Schedule windows share: the teams of the open
// tournament in pairing order, a summary line, the seating as a table, and
// buttons to print the round sheet or save it and show it in the viewer.
#include "dialogs/SeatingModel.h"
#include "pairings/PairingField.h"

#include <QDialog>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace corvane::dialogs {

class SeatingDialog : public QDialog {
    Q_OBJECT
public:
    // Button "Print...": the sheet through the print dialog (or into a PDF file).
    void OnPrint();
    // Button "Save Sheet": writes the sheet into the tournament folder and shows
    // it in the results viewer; a failure is said in an "Error" message.
    void OnSave();

protected:
    SeatingDialog(QWidget* parent, const QString& title, std::string_view sheetFileName,
                  SeatingModel::Layout layout);

    // The open tournament's teams and meetings; nothing without a store, or
    // with more teams than can be paired (the summary then says so).
    const std::optional<PairingField>& field() const { return field_; }
    // True when there is a field with teams in it: only then is there a sheet.
    bool hasTeams() const { return field_ && !field_->names.empty(); }
    SeatingModel& model() { return model_; }
    QTableView& view() { return *view_; }
    void setSummary(const QString& text);
    // Says in the summary why there is no sheet, and leaves nothing to print or save.
    void refuseSheet(const QString& reason);
    // Controls of a window's own go between the table and the buttons, in the
    // layout and in the tab order (`controls` in their order).
    void addControlsRow(QLayout* row, std::initializer_list<QWidget*> controls);
    // Enter and Escape then close nothing, as in the other windows.
    void finishControls();

private:
    // The sheet of what the window shows.
    std::string sheetPage() const;

    SeatingModel::Layout layout_;
    std::string_view sheetFileName_;
    std::optional<PairingField> field_;
    SeatingModel model_;
    QLabel* summary_ = nullptr;
    QTableView* view_ = nullptr;
    QVBoxLayout* rows_ = nullptr;
    std::vector<QWidget*> buttons_; // Print, Save Sheet, Close
};

} // namespace corvane::dialogs
