#pragma once
// How the Table Entry window shows a result from a table, cell by cell.
#include "tables/ResultQueue.h"

#include <QStringList>

namespace corvane::dialogs {

// Table, teams, scores, flags, state, device, when.
QStringList queueCells(const tables::QueueItem& item);
inline constexpr int queueColumns = 7;

} // namespace corvane::dialogs
