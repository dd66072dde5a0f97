#include "imports/NameList.h"

#include "imports/CsvReader.h"

#include <algorithm>

namespace corvane {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        } else if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = next;
    }
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
