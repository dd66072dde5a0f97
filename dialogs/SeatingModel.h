#pragma once
// The lines of a round or a schedule as a table for a view: one row per table
// or bye, built as the view asks for them, so a long schedule costs no more.
#include "pairings/Seating.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace corvane::dialogs {

class SeatingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Layout {
        round,    // Table, Team 1, Team 2 and a note on repeats
        schedule, // Round, Table, Team 1, Team 2
    };
    // The background of a table whose teams have met before.
    static constexpr const char* repeatColour = "#FFC8C8";

    explicit SeatingModel(Layout layout, QObject* parent = nullptr);

    // Shows `rows`; names[i] is the team of place index i and must outlive the model's use.
    void setRows(std::vector<SeatingRow> rows, const std::vector<std::string>& names);
    const std::vector<SeatingRow>& rows() const { return rows_; }

    // True for the short columns of numbers (Round, Table), false for the names.
    bool isNumberColumn(int section) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    enum class Column { round, table, team1, team2, note };
    QString text(const SeatingRow& row, Column column) const;

    std::vector<Column> columns_;
    std::vector<SeatingRow> rows_;
    const std::vector<std::string>* names_ = nullptr;
};

} // namespace corvane::dialogs
