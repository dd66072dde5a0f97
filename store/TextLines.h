#pragma once
// Whole-line reading of the files the system and its users write.
#include "store/ReadResult.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// No data file of a tournament comes near this; anything larger is refused
// rather than read into memory.
inline constexpr std::int64_t maxTextFileBytes = std::int64_t{1} << 30;

// Calls onLine(line) for each line of `text`, without its line end. CR LF, LF
// and a lone CR (as old Mac editors end lines) each end one, so no line ever
// holds a line break; a line end at the very end starts no empty line.
template <class OnLine> void forEachLine(std::string_view text, OnLine&& onLine) {
    // The next CR and the next LF are each looked for only once the last one
    // found is passed: a file with only one of them stays linear.
    std::size_t nextCr = text.find('\r');
    std::size_t nextLf = text.find('\n');
    std::size_t start = 0;
    while (start < text.size()) {
        if (nextCr < start) {
            nextCr = text.find('\r', start);
        }
        if (nextLf < start) {
            nextLf = text.find('\n', start);
        }
        const std::size_t end = std::min({nextCr, nextLf, text.size()});
        onLine(text.substr(start, end - start));
        start = end + 1;
        if (end == nextCr && nextLf == start) {
            ++start;
        }
    }
}

// Reads every line of the regular file at `path` whole, without its line end
// (as forEachLine splits it), as UTF-8. UTF-16 with a byte-order mark is read as what it
// is; otherwise each line that is valid UTF-8 is taken as UTF-8 and any other
// as Windows-1252, after a UTF-8 byte-order mark is dropped. A missing file
// has no lines. A folder, device, pipe or socket, a file that cannot be
// opened or read whole, one larger than maxTextFileBytes and UTF-16 that does
// not decode are refused; nothing is ever waited for.
ReadResult forEachTextLine(const std::string& path,
                           const std::function<void(std::string_view line)>& onLine);

// The lines of a file that was read; nothing when it was missing or refused.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

} // namespace corvane
