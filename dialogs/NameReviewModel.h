#pragma once
// The review of a list of names as a table: its line, the name as it will be
// stored with its blanks made visible, and what becomes of it.
#include "imports/NameReview.h"

#include <QAbstractTableModel>

namespace corvane::dialogs {

class NameReviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { lineColumn, nameColumn, decisionColumn };
    static constexpr int columns = decisionColumn + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setReview(NameReview review);
    const NameReview& review() const { return review_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    NameReview review_;
};

} // namespace corvane::dialogs
