#pragma once
// Small pieces shared by the readers of the data files and tournament.dat.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace corvane::fileformat {

// A reader takes a value by position: what follows the prefix the writer puts
// in front of it, or nothing when the line is no longer than that prefix.
// A cut that falls inside a UTF-8 character starts after that character: one
// broken name saved back would make the whole file read as Windows-1252 on
// the next load.
inline std::string_view valueAfter(std::string_view line, std::size_t prefixLength) {
    if (line.size() <= prefixLength) {
        return std::string_view();
    }
    std::size_t start = prefixLength;
    while (start < line.size() && (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) {
        ++start;
    }
    return line.substr(start);
}

inline bool contains(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

inline bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Leading white space, an optional sign, then decimal digits up to the first
// other character; no digits give 0. Out-of-range values stop at the nearest
// 32-bit limit instead of wrapping. `digitsRead`, if given, tells whether any
// digit was seen, and `end` where reading stopped.
inline std::int32_t toInt(std::string_view text, bool* digitsRead = nullptr,
                          std::size_t* end = nullptr) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    const std::size_t firstDigit = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        if (value > limit) {
            value = limit;
        }
        ++pos;
    }
    if (digitsRead != nullptr) {
        *digitsRead = pos > firstDigit;
    }
    if (end != nullptr) {
        *end = pos;
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace corvane::fileformat
