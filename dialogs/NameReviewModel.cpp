#include "dialogs/NameReviewModel.h"

#include <QBrush>
#include <QColor>

namespace corvane::dialogs {

void NameReviewModel::setReview(NameReview review) {
    beginResetModel();
    review_ = std::move(review);
    endResetModel();
}

int NameReviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(review_.decisions.size());
}

int NameReviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QVariant NameReviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const NameDecision& decision = review_.decisions[static_cast<std::size_t>(index.row())];
    if (role == Qt::ForegroundRole && decision.verdict != NameVerdict::added) {
        // Refused names stand out from those to be added.
        return QBrush(QColor(0x99, 0x11, 0x11));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case lineColumn:
        return QString::number(decision.listed.line);
    case nameColumn:
        return QString::fromStdString(visibleName(decision.listed.name));
    case decisionColumn:
        return QString::fromStdString(decisionText(decision));
    default:
        return {};
    }
}

QVariant NameReviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case lineColumn:
        return QStringLiteral("Line");
    case nameColumn:
        return QStringLiteral("Name");
    case decisionColumn:
        return QStringLiteral("What happens");
    default:
        return {};
    }
}

} // namespace corvane::dialogs
