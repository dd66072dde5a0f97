#include "dialogs/SeatingModel.h"

#include <QColor>

namespace corvane::dialogs {

SeatingModel::SeatingModel(Layout layout, QObject* parent) : QAbstractTableModel(parent) {
    if (layout == Layout::round) {
        columns_ = {Column::table, Column::team1, Column::team2, Column::note};
    } else {
        columns_ = {Column::round, Column::table, Column::team1, Column::team2};
    }
}

void SeatingModel::setRows(std::vector<SeatingRow> rows, const std::vector<std::string>& names) {
    beginResetModel();
    rows_ = std::move(rows);
    names_ = &names;
    endResetModel();
}

bool SeatingModel::isNumberColumn(int section) const {
    if (section < 0 || section >= columnCount()) {
        return false;
    }
    const Column column = columns_[static_cast<std::size_t>(section)];
    return column == Column::round || column == Column::table;
}

int SeatingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SeatingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString SeatingModel::text(const SeatingRow& row, Column column) const {
    const auto name = [this](int team) {
        return QString::fromStdString((*names_)[static_cast<std::size_t>(team)]);
    };
    switch (column) {
    case Column::round:
        return QString::number(row.round);
    case Column::table:
        return row.isBye() ? QStringLiteral("Bye") : QString::number(row.table);
    case Column::team1:
        return name(row.team1);
    case Column::team2:
        return row.isBye() ? QString() : name(row.team2);
    case Column::note:
        return row.repeat ? QStringLiteral("Met before") : QString();
    }
    return {};
}

QVariant SeatingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const SeatingRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return text(row, columns_[static_cast<std::size_t>(index.column())]);
    }
    if (row.repeat && role == Qt::BackgroundRole) {
        return QColor(QLatin1String(repeatColour));
    }
    if (row.repeat && role == Qt::ToolTipRole) {
        return QStringLiteral("These two teams have met before");
    }
    return {};
}

QVariant SeatingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    static const char* const captions[] = {"Round", "Table", "Team 1", "Team 2", "Note"};
    return QString::fromLatin1(
        captions[static_cast<std::size_t>(columns_[static_cast<std::size_t>(section)])]);
}

} // namespace corvane::dialogs
