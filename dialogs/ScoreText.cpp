#include "dialogs/ScoreText.h"

#include "store/FileFormat.h"

namespace corvane::dialogs {

std::optional<std::int32_t> readScore(std::string_view text) {
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        // Stopping here keeps a long string of digits from ever overflowing.
        if (value > maximumScore) {
            return std::nullopt;
        }
    }
    return value;
}

std::int32_t readFlags(std::string_view text) {
    return fileformat::toInt(text);
}

} // namespace corvane::dialogs
