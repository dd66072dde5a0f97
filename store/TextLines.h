#pragma once
// Whole-line reading of the files the system and its users write.
#include "store/ReadResult.h"

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

// Reads every line of the regular file at `path` whole, without its line end
// (LF, or CR LF), as UTF-8. UTF-16 with a byte-order mark is read as what it
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
