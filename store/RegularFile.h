#pragma once
// Reading a file's bytes without ever waiting on a pipe or reading a device.
#include "store/ReadResult.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Reads the whole regular file at `path` into `contents`. Missing: empty
// contents. Anything but a regular file, a file larger than `maxBytes`, and
// any failure to open or read it whole are refused with the reason.
ReadResult readRegularFile(const std::string& path, std::string& contents, std::int64_t maxBytes);

// True when `path` is a regular file holding exactly `contents`. Compared a
// piece at a time, so a page that changed early is not read whole.
bool regularFileHolds(const std::string& path, std::string_view contents);

} // namespace corvane
