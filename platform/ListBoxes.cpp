#include "platform/ListBoxes.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QListWidget>
#include <algorithm>
#include <memory>
#include <vector>

namespace corvane::platform {
namespace {

const char* const sortedProperty = "corvaneSorted";

// First position whose text sorts after `text`, so equal texts keep their order.
template <class TextAt> int upperBound(int count, const QString& text, TextAt textAt) {
    int low = 0;
    int high = count;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (sortsBefore(text, textAt(mid))) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

QString textAt(const QListWidget& list, int row) {
    return list.item(row)->text();
}

// True when the rows first..last already stand where adding them one by one
// would have put them: in order, and each after every equal text before it.
bool insertedInPlace(const QListWidget& list, int first, int last) {
    for (int row = std::max(first, 1); row <= last; ++row) {
        if (sortsBefore(textAt(list, row), textAt(list, row - 1))) {
            return false;
        }
    }
    return last + 1 >= list.count() || sortsBefore(textAt(list, last), textAt(list, last + 1));
}

void resortInserted(QListWidget& list, int first, int last) {
    if (insertedInPlace(list, first, last)) {
        return;
    }
    std::vector<QListWidgetItem*> taken;
    for (int row = last; row >= first; --row) {
        taken.push_back(list.takeItem(row));
    }
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
        const int at =
            upperBound(list.count(), (*it)->text(), [&list](int row) { return textAt(list, row); });
        list.insertItem(at, *it);
    }
}

} // namespace

bool sortsBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

void keepSorted(QListWidget& list) {
    if (isSorted(list)) {
        return;
    }
    list.setProperty(sortedProperty, true);
    auto busy = std::make_shared<bool>(false);
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, &list,
                     [&list, busy](const QModelIndex&, int first, int last) {
                         if (*busy) {
                             return;
                         }
                         *busy = true;
                         resortInserted(list, first, last);
                         *busy = false;
                     });
}

bool isSorted(const QListWidget& list) {
    return list.property(sortedProperty).toBool();
}

int insertString(QComboBox& combo, int position, const QString& text) {
    const int selected = combo.currentIndex();
    const QString typed = combo.isEditable() ? combo.currentText() : QString();
    const int at = position < 0 || position > combo.count() ? combo.count() : position;
    combo.insertItem(at, text);
    if (selected < 0) {
        // A bare QComboBox selects the first item put into an empty box.
        combo.setCurrentIndex(-1);
        if (combo.isEditable()) {
            combo.setEditText(typed);
        }
    }
    return at;
}

int addString(QComboBox& combo, const QString& text) {
    if (!isSorted(combo)) {
        return insertString(combo, -1, text);
    }
    const int at =
        upperBound(combo.count(), text, [&combo](int row) { return combo.itemText(row); });
    return insertString(combo, at, text);
}

void setSorted(QComboBox& combo, bool sorted) {
    combo.setProperty(sortedProperty, sorted);
}

bool isSorted(const QComboBox& combo) {
    return combo.property(sortedProperty).toBool();
}

} // namespace corvane::platform
