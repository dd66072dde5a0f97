#include "exports/Csv.h"

namespace corvane::csv {

namespace {

bool needsQuotes(std::string_view field) {
    // Blanks at either end are quoted so no spreadsheet trims them away.
    return field.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}
} // namespace

void appendField(std::string& out, std::string_view field) {
    if (!needsQuotes(field)) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void appendRow(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        appendField(out, fields[i]);
    }
    out += rowEnd;
}

} // namespace corvane::csv
