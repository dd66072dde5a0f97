#include "imports/NameList.h"

#include "imports/CsvReader.h"
#include "store/NameRules.h"
#include "store/TextLines.h"
#include "store/Utf8.h"

#include <algorithm>

namespace corvane {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

namespace {

// A character that no name holds and no list of names is mostly made of.
bool isNoNameCharacter(long codePoint) {
    constexpr long tab = 0x09, privateUseFirst = 0xE000, privateUseLast = 0xF8FF,
                   specialsFirst = 0xFFF0, lastBmp = 0xFFFF;
    return (isControlCharacter(codePoint) && codePoint != tab) ||
           (codePoint >= privateUseFirst && codePoint <= privateUseLast) ||
           (codePoint >= specialsFirst && codePoint <= lastBmp) || codePoint < 0;
}

} // namespace

std::optional<std::string> whyNotAListOfNames(const std::vector<std::string>& lines) {
    std::size_t noName = 0;
    std::size_t others = 0;
    for (const std::string& line : lines) {
        if (line.find('\0') != std::string::npos) {
            return "it holds NUL characters, as programs, pictures and other binary files do";
        }
        std::size_t pos = 0;
        while (pos < line.size()) {
            const long codePoint = utf8::decode(line, pos);
            if (isNoNameCharacter(codePoint)) {
                ++noName;
            } else if (codePoint != ' ' && codePoint != '\t') {
                ++others;
            }
        }
    }
    if (noName > others) {
        return "most of its characters are control or other characters that no name holds";
    }
    return std::nullopt;
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
