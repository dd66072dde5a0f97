#include "dialogs/ListFilling.h"

#include "platform/ListBoxes.h"

#include <QListWidget>
#include <algorithm>

namespace corvane::dialogs {

void fillList(QListWidget& list, QStringList items) {
    list.clear();
    if (platform::isSorted(list)) {
        std::stable_sort(items.begin(), items.end(), platform::sortsBefore);
    }
    list.addItems(items);
}

} // namespace corvane::dialogs
