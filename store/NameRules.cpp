#include "store/NameRules.h"

#include "store/Utf8.h"

namespace corvane {

bool isControlCharacter(long codePoint) {
    constexpr long firstPrintable = 0x20, deleteCharacter = 0x7F, lastC1 = 0x9F;
    constexpr long lineSeparator = 0x2028, paragraphSeparator = 0x2029;
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

} // namespace corvane
