#include "imports/NameList.h"

#include "imports/CsvReader.h"
#include "store/TextLines.h"

#include <algorithm>

namespace corvane {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::vector<ListedName> listedNames(const std::vector<std::string>& lines,
                                    const ListLayout& layout) {
    std::vector<ListedName> names;
    if (!layout.csv) {
        names.reserve(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            names.push_back({lines[i], i + 1});
        }
        return names;
    }
    std::vector<csv::Record> records = csv::readRecords(lines);
    const std::size_t first = layout.headerRow && !records.empty() ? 1 : 0;
    names.reserve(records.size() - first);
    for (std::size_t i = first; i < records.size(); ++i) {
        std::vector<std::string>& fields = records[i].fields;
        names.push_back(
            {layout.column < fields.size() ? std::move(fields[layout.column]) : std::string(),
             records[i].line});
    }
    return names;
}

std::vector<std::string> csvColumnNames(const std::vector<std::string>& lines) {
    // Only the first record is wanted; a header row never runs on for long.
    constexpr std::size_t enoughLines = 64;
    const std::vector<std::string> head(
        lines.begin(),
        lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), enoughLines)));
    std::vector<csv::Record> records = csv::readRecords(head);
    return records.empty() ? std::vector<std::string>() : std::move(records.front().fields);
}

} // namespace corvane
