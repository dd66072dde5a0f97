#include "exports/TournamentCsv.h"

#include "exports/CsvTables.h"

#include <algorithm>

namespace corvane {

const ExportTable& exportTable(ExportKind kind) {
    return *std::find_if(std::begin(exportTables), std::end(exportTables),
                         [kind](const ExportTable& table) { return table.kind == kind; });
}

std::optional<ExportKind> exportKindNamed(std::string_view name) {
    for (const ExportTable& table : exportTables) {
        if (table.name == name) {
            return table.kind;
        }
    }
    return std::nullopt;
}

std::string exportCsv(const TournamentStore& store, ExportKind kind, ByteOrderMark mark,
                      csv::NameFields names) {
    std::string out;
    if (mark == ByteOrderMark::with) {
        out += csv::byteOrderMark;
    }
    switch (kind) {
    case ExportKind::standings:
        csv::appendStandings(out, store, names);
        break;
    case ExportKind::games:
        csv::appendGames(out, store, names);
        break;
    case ExportKind::players:
        csv::appendPlayers(out, store, names);
        break;
    case ExportKind::teams:
        csv::appendTeams(out, store, names);
        break;
    }
    return out;
}

} // namespace corvane
