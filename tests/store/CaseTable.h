#pragma once
// Tables of cases kept as text files beside the tests: a row a line, its fields
// split by tabs, lines starting with # left out. A field writes the bytes a
// line cannot hold as \n \r \t \\ and \xHH, and \*N for N of the character
// before.
#include "TempDir.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::testing {

inline std::string unescapeField(const std::string& field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            bytes += field[i];
            continue;
        }
        const char code = field[++i];
        if (code == 'x') {
            bytes += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (code == '*' && !bytes.empty()) {
            std::size_t used = 0;
            bytes.append(std::stoul(field.substr(i + 1), &used) - 1, bytes.back());
            i += used;
        } else {
            bytes += code == 'n' ? '\n' : code == 'r' ? '\r' : code == 't' ? '\t' : code;
        }
    }
    return bytes;
}

using CaseRow = std::vector<std::string>;

// The rows of the table at `path`, each of `fields` fields (an empty table
// when a row has another count, so that the test fails on it).
inline std::vector<CaseRow> readCaseTable(const std::string& path, std::size_t fields) {
    std::istringstream lines(readBytes(path));
    std::vector<CaseRow> rows;
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r')) // checked out with Windows line ends
            line.pop_back();
        if (line.empty() || line.starts_with('#'))
            continue;
        CaseRow row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            row.push_back(unescapeField(cell));
        if (line.ends_with('\t'))
            row.emplace_back();
        if (row.size() != fields) {
            ADD_FAILURE() << path << ": " << line;
            return {};
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace corvane::testing
