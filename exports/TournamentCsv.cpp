#include "exports/TournamentCsv.h"

#include "exports/CsvTables.h"
#include "reports/PageText.h"

#include <algorithm>

namespace corvane {

namespace csv {

void RowWriter::separate() {
    if (!first_) {
        out_ += ',';
    }
    first_ = false;
}

RowWriter& RowWriter::field(std::string_view text) {
    separate();
    appendField(out_, text);
    return *this;
}

RowWriter& RowWriter::number(std::int64_t value) {
    separate();
    appendNumber(out_, value);
    return *this;
}

RowWriter& RowWriter::oneDecimal(double value) {
    separate();
    appendOneDecimal(out_, value);
    return *this;
}

void RowWriter::end() {
    out_ += rowEnd;
}

} // namespace csv

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

std::string exportCsv(const TournamentStore& store, ExportKind kind, ByteOrderMark mark) {
    std::string out;
    if (mark == ByteOrderMark::with) {
        out += csv::byteOrderMark;
    }
    switch (kind) {
    case ExportKind::standings:
        csv::appendStandings(out, store);
        break;
    case ExportKind::games:
        csv::appendGames(out, store);
        break;
    case ExportKind::players:
        csv::appendPlayers(out, store);
        break;
    case ExportKind::teams:
        csv::appendTeams(out, store);
        break;
    }
    return out;
}

} // namespace corvane
