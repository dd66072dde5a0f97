#include "reports/PageText.h"

#include <charconv>
#include <cstdio>

namespace corvane {

std::string_view rowShade(int n) {
    return n % 2 == 0 ? "#EEEEEE" : "#FFFFFF";
}

namespace {

// The entity of each byte that must be escaped; null for every other byte.
struct EntityTable {
    const char* entity[256] = {};
    EntityTable() {
        entity[static_cast<unsigned char>('&')] = "&amp;";
        entity[static_cast<unsigned char>('<')] = "&lt;";
        entity[static_cast<unsigned char>('>')] = "&gt;";
        entity[static_cast<unsigned char>('"')] = "&quot;";
        entity[static_cast<unsigned char>('\'')] = "&#39;";
    }
};

const EntityTable entities;

} // namespace

void appendEscaped(std::string& out, std::string_view text) {
    std::size_t plainFrom = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (const char* entity = entities.entity[static_cast<unsigned char>(text[at])]) {
            out.append(text.substr(plainFrom, at - plainFrom));
            out += entity;
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

PageText& PageText::number(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
    return *this;
}

PageText& PageText::oneDecimal(double value) {
    // Room for the widest double "%.1f" can print (309 digits, sign, ".0").
    char buffer[320];
    const int length = std::snprintf(buffer, sizeof buffer, "%.1f", value);
    if (length > 0) {
        out_.append(buffer, static_cast<std::size_t>(length));
    }
    return *this;
}

} // namespace corvane
