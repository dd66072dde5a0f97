#pragma once
// Paths from UTF-8 text and back by the standard library's own conversion, so
// the tests name files on the disk without the core's system layer, whose
// conversion they test.
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane::testing {

inline std::filesystem::path utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace corvane::testing
