#include "dialogs/ListFilling.h"

#include "platform/ListBoxes.h"

#include <QListWidget>
#include <algorithm>

namespace corvane::dialogs {

void fillList(QListWidget& list, QStringList items) {
    list.clear();
    // Every item is one line of the list's font: sizing them one by one on
    // the first layout would cost more than the filling.
    list.setUniformItemSizes(true);
    if (platform::isSorted(list)) {
        std::stable_sort(items.begin(), items.end(), platform::sortsBefore);
    }
    list.addItems(items);
}

} // namespace corvane::dialogs
