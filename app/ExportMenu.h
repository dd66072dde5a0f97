#pragma once
// The main window's "Export" menu, beside "Tournament": the standings, the
// games, the players or the teams saved as a CSV file.
#include "exports/TournamentCsv.h"

class QWidget;

namespace corvane::app {

class MainDialog;

// Adds the menu to the window's menu bar; each command carries its ID
// (res/ids/ExportMenu.h) as its object name.
void addExportMenu(MainDialog& window);

// Asks where to save `kind` and whether for spreadsheet programs, then writes it.
void exportTableAsCsv(QWidget* owner, ExportKind kind);

// The filters of the Save dialog; the second writes the byte-order mark.
inline constexpr const char* plainCsvFilter = "CSV (*.csv)";
inline constexpr const char* spreadsheetCsvFilter = "CSV for spreadsheet programs (*.csv)";

} // namespace corvane::app
