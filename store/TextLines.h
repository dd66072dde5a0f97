#pragma once
// Whole-line reading of the files the system and its users write.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Reads every line of `path` whole, without its line end (LF, or CR LF).
// Text that is not valid UTF-8 is taken as Windows-1252 and converted to UTF-8.
// Returns nothing when the file cannot be opened.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// The same lines handed to `onLine` one by one, without a copy of each;
// false when the file cannot be opened.
bool forEachTextLine(const std::string& path,
                     const std::function<void(std::string_view line)>& onLine);

} // namespace corvane
