#pragma once
// Reading comma-separated values as RFC 4180 writes them, and as spreadsheet
// programs write them in practice.
#include <cstddef>
#include <string>
#include <vector>

namespace corvane::csv {

struct Record {
    std::vector<std::string> fields;
    std::size_t line = 0; // 1-based line the record starts on
};

// The records of `lines`, whose line ends are taken off already. A quoted
// field may hold commas, doubled quotes and line breaks; a line break inside
// quotes joins the next line to the field as "\n". Text after a closing quote
// is kept as it stands, and quotes left open at the end close there: nothing
// is refused.
std::vector<Record> readRecords(const std::vector<std::string>& lines);

} // namespace corvane::csv
