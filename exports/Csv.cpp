#include "exports/Csv.h"

#include "reports/PageText.h"

namespace corvane::csv {

namespace {

bool needsQuotes(std::string_view field) {
    // Blanks at either end are quoted so no spreadsheet trims them away.
    return field.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

// The first characters that make a spreadsheet take a cell for a formula.
constexpr std::string_view formulaStarts = "=+-@\t\r";
constexpr char textMark = '\'';

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

void appendName(std::string& out, std::string_view name, NameFields names) {
    if (names == NameFields::exact || name.empty() ||
        formulaStarts.find(name.front()) == std::string_view::npos) {
        appendField(out, name);
        return;
    }
    std::string marked;
    marked.reserve(name.size() + 1);
    marked += textMark;
    marked += name;
    appendField(out, marked);
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

void RowWriter::separate() {
    if (!first_) {
        out_ += ',';
    }
    first_ = false;
}

RowWriter& RowWriter::name(std::string_view name) {
    separate();
    appendName(out_, name, names_);
    return *this;
}

RowWriter& RowWriter::text(std::string_view text) {
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

} // namespace corvane::csv
