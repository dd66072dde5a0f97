#pragma once
// Reading a file's bytes without ever waiting on a pipe or reading a device.
#include "store/ReadResult.h"

#include <cstdint>
#include <string>

namespace corvane {

// Reads the whole regular file at `path` into `contents`. Missing: empty
// contents. Anything but a regular file, a file larger than `maxBytes`, and
// any failure to open or read it whole are refused with the reason.
ReadResult readRegularFile(const std::string& path, std::string& contents, std::int64_t maxBytes);

} // namespace corvane
