#include "store/NameRules.h"

#include "store/Utf8.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr long firstPrintable = 0x20, deleteCharacter = 0x7F, lastC1 = 0x9F;
constexpr long lineSeparator = 0x2028, paragraphSeparator = 0x2029;
// The bytes that start a C1 control character and the two separators in UTF-8.
constexpr unsigned char c1Lead = 0xC2, separatorLead = 0xE2;

} // namespace

bool isControlCharacter(long codePoint) {
    return (codePoint >= 0 && codePoint < firstPrintable) ||
           (codePoint >= deleteCharacter && codePoint <= lastC1) || codePoint == lineSeparator ||
           codePoint == paragraphSeparator;
}

bool hasControlCharacter(std::string_view name) {
    std::size_t pos = 0;
    while (pos < name.size()) {
        // Bytes that are not UTF-8 decode as -1, which is no control character.
        if (isControlCharacter(utf8::decode(name, pos))) {
            return true;
        }
    }
    return false;
}

void appendBlankingControls(std::string& out, std::string_view text) {
    // Nearly every name holds none of the bytes a control character starts with.
    const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < firstPrintable || byte == deleteCharacter || byte == c1Lead ||
               byte == separatorLead;
    });
    if (plain) {
        out += text;
        return;
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        if (isControlCharacter(utf8::decode(text, pos))) {
            out += ' ';
        } else {
            out += text.substr(start, pos - start);
        }
    }
}

} // namespace corvane
