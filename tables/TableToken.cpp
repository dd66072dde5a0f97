#include "tables/TableToken.h"

#include <array>
#include <random>

namespace corvane::tables {

RandomBytes systemRandom() {
    return [](std::span<unsigned char> out) {
        static std::random_device device;
        for (unsigned char& byte : out) {
            byte = static_cast<unsigned char>(device());
        }
    };
}

std::string makeToken(const RandomBytes& random) {
    constexpr std::string_view digits = "0123456789abcdef";
    constexpr unsigned nibble = 4;
    constexpr unsigned lowNibble = 0xF;
    std::array<unsigned char, tokenBytes> bytes{};
    random(bytes);
    std::string token;
    token.reserve(2 * tokenBytes);
    for (const unsigned char byte : bytes) {
        token += digits[byte >> nibble];
        token += digits[byte & lowNibble];
    }
    return token;
}

} // namespace corvane::tables
