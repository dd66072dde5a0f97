#pragma once
// A list of player names as the organiser brings it: pasted text or a file,
// one name a line or a column of comma-separated values.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// How the lines of a list hold the names.
struct ListLayout {
    bool csv = false;       // false: one name a line, the whole line
    std::size_t column = 0; // CSV: the column of the names, from 0
    bool headerRow = false; // CSV: the first record names the columns
};

struct ListedName {
    std::string name;
    std::size_t line = 0; // 1-based line of the list the name starts on
};

// Pasted text split into lines as files are read: CR LF, LF and a lone CR
// each end a line; a line break at the very end ends the last line rather
// than starting an empty one.
std::vector<std::string> splitLines(std::string_view text);

// Why the lines of a file are no list of names, or nothing when they may be
// one: a NUL character (a program, a picture, UTF-16 without its byte-order
// mark), or more characters that no name has (control characters other than
// the tab, private-use and undecodable ones) than any others but blanks.
std::optional<std::string> whyNotAListOfNames(const std::vector<std::string>& lines);

// The names `lines` hold as `layout` reads them, in list order. A CSV record
// too short for the column gives an empty name, which the review refuses.
std::vector<ListedName> listedNames(const std::vector<std::string>& lines,
                                    const ListLayout& layout);

// The fields of the first CSV record of `lines`: what the columns are called
// when the list has a header row, otherwise a first row to recognise them by.
std::vector<std::string> csvColumnNames(const std::vector<std::string>& lines);

} // namespace corvane
