#pragma once
// List and combo boxes that behave like their Windows counterparts: a sorted
// box keeps its items in case-insensitive order, and adding or inserting an
// item never selects one by itself.
#include <QString>

class QComboBox;
class QListWidget;

namespace corvane::platform {

// Windows' order of a sorted box: case-insensitive, equal texts in insertion order.
bool sortsBefore(const QString& a, const QString& b);

// Makes a list box sorted: every item added afterwards, by addItem, addItems or
// insertItem, moves to its sorted place. Give the item its text when adding it.
void keepSorted(QListWidget& list);
bool isSorted(const QListWidget& list);

// Adds an item to a combo box: at its sorted place when the box carries the
// sort style (the box was built sorted), else at the end (CB_ADDSTRING).
// Returns the item's position. The selection stays as it was.
int addString(QComboBox& combo, const QString& text);

// Inserts an item at `position` whatever the sort style (CB_INSERTSTRING);
// position -1 appends. Returns the item's position. The selection stays as it was.
int insertString(QComboBox& combo, int position, const QString& text);

void setSorted(QComboBox& combo, bool sorted);
bool isSorted(const QComboBox& combo);

} // namespace corvane::platform
