#pragma once
// Comma-separated values as RFC 4180 writes them: fields quoted where they
// hold a comma, a quote, a line break or blanks at either end, quotes doubled,
// rows ended with CR LF. Text is UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace corvane::csv {

// The byte-order mark spreadsheet programs need to take UTF-8 for UTF-8.
inline constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// What ends every row.
inline constexpr std::string_view rowEnd = "\r\n";

// Appends one field, quoted when it must be.
void appendField(std::string& out, std::string_view field);

// Appends the fields as one row, separated by commas and ended with CR LF.
void appendRow(std::string& out, const std::vector<std::string>& fields);

} // namespace corvane::csv
