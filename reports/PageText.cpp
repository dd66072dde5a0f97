#include "reports/PageText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace corvane {

std::string_view rowShade(int n) {
    return n % 2 == 0 ? "#EEEEEE" : "#FFFFFF";
}

namespace {

// "&#xHHHH;"
std::string reference(int code) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, code, 16).ptr;
    std::string text = "&#x" + std::string(digits, end) + ";";
    for (char& c : text) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// The entity of each byte that must be escaped; empty for every other byte.
// Control characters, which only a hand-edited file can hold, are shown as
// their visible pictures (U+2400 to U+2421) rather than written raw.
struct EntityTable {
    std::string entity[256];
    EntityTable() {
        constexpr int controlPictures = 0x2400;
        constexpr int deletePicture = 0x2421;
        constexpr unsigned char firstPrintable = 0x20;
        constexpr unsigned char deleteByte = 0x7F;
        for (int c = 0; c < firstPrintable; ++c) {
            entity[c] = reference(controlPictures + c);
        }
        entity[deleteByte] = reference(deletePicture);
        entity[static_cast<unsigned char>('&')] = "&amp;";
        entity[static_cast<unsigned char>('<')] = "&lt;";
        entity[static_cast<unsigned char>('>')] = "&gt;";
        entity[static_cast<unsigned char>('"')] = "&quot;";
        entity[static_cast<unsigned char>('\'')] = "&#39;";
    }
};

const EntityTable entities;

// The C1 controls U+0080 to U+009F: 0xC2 then 0x80 to 0x9F in UTF-8.
bool isC1Control(std::string_view text, std::size_t at) {
    constexpr unsigned char lead = 0xC2, first = 0x80, last = 0x9F;
    return static_cast<unsigned char>(text[at]) == lead && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) >= first &&
           static_cast<unsigned char>(text[at + 1]) <= last;
}

} // namespace

void appendEscaped(std::string& out, std::string_view text) {
    std::size_t plainFrom = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::string& entity = entities.entity[static_cast<unsigned char>(text[at])];
        if (!entity.empty()) {
            out.append(text.substr(plainFrom, at - plainFrom));
            out += entity;
            plainFrom = at + 1;
        } else if (isC1Control(text, at)) {
            out.append(text.substr(plainFrom, at - plainFrom));
            out += "&#xFFFD;";
            ++at;
            plainFrom = at + 1;
        }
    }
    out.append(text.substr(plainFrom));
}

void appendLinkTarget(std::string& out, std::string_view pageFileName) {
    if (pageFileName.find_first_of("%#") == std::string_view::npos) {
        appendEscaped(out, pageFileName);
        return;
    }
    std::string target;
    target.reserve(pageFileName.size() + 8);
    for (const char c : pageFileName) {
        if (c == '%') {
            target += "%25";
        } else if (c == '#') {
            target += "%23";
        } else {
            target += c;
        }
    }
    appendEscaped(out, target);
}

void appendNumber(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

namespace {

// Below this, value * 10 is off the exact product by far less than
// clearTieDistance, so rounding it gives what rounding the exact value gives.
constexpr double quickTenthsBelow = 1e9;
constexpr double clearTieDistance = 1e-6;

// The tenths of `value` rounded as "%.1f" rounds them, when a plain product
// can tell; nothing for a value at or near a tie or out of range.
std::optional<std::int64_t> quickTenths(double value) {
    const double scaled = value * 10.0;
    if (!(std::fabs(scaled) < quickTenthsBelow)) {
        return std::nullopt;
    }
    const double fromTie = std::fabs(scaled - std::floor(scaled) - 0.5);
    if (fromTie < clearTieDistance) {
        return std::nullopt;
    }
    return std::llround(scaled);
}

} // namespace

void appendOneDecimal(std::string& out, double value) {
    if (const std::optional<std::int64_t> tenths = quickTenths(value)) {
        // printf keeps the sign of a negative value that rounds to zero.
        if (*tenths < 0 || std::signbit(value)) {
            out += '-';
        }
        const std::int64_t magnitude = *tenths < 0 ? -*tenths : *tenths;
        appendNumber(out, magnitude / 10);
        out += '.';
        out += static_cast<char>('0' + magnitude % 10);
        return;
    }
    // As "%.1f" prints it (both round the exact value), without printf's cost.
    // Room for the widest double (309 digits, sign, ".0").
    char buffer[320];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    out.append(buffer, result.ptr);
}

} // namespace corvane
