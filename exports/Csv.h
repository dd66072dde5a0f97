#pragma once
// Comma-separated values as RFC 4180 writes them: fields quoted where they
// hold a comma, a quote, a line break or blanks at either end, quotes doubled,
// rows ended with CR LF. Text is UTF-8.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::csv {

// The byte-order mark spreadsheet programs need to take UTF-8 for UTF-8.
inline constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// What ends every row.
inline constexpr std::string_view rowEnd = "\r\n";

// How names are written. A spreadsheet runs a cell that begins with = + - @,
// a tab or a carriage return as a formula, so for people a name beginning
// with one gets an apostrophe before it, which spreadsheets show as text;
// programs that read the CSV want the names exactly as stored.
enum class NameFields { guarded, exact };

// Appends one field, quoted when it must be.
void appendField(std::string& out, std::string_view field);

// Appends a name as one field, with the apostrophe when `names` asks for it.
void appendName(std::string& out, std::string_view name, NameFields names);

// Appends the fields as one row, separated by commas and ended with CR LF.
void appendRow(std::string& out, const std::vector<std::string>& fields);

// One row written field by field straight into the text: names as `names`
// says, numbers in the leader board's formats and never guarded.
class RowWriter {
public:
    RowWriter(std::string& out, NameFields names) : out_(out), names_(names) {}
    RowWriter& name(std::string_view name);
    // A field that is no name, such as an empty position or "Bye".
    RowWriter& text(std::string_view text);
    RowWriter& number(std::int64_t value);
    RowWriter& oneDecimal(double value);
    // Ends the row with CR LF.
    void end();

private:
    void separate();

    std::string& out_;
    NameFields names_;
    bool first_ = true;
};

} // namespace corvane::csv
