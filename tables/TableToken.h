#pragma once
// The secret in a table's link: whoever holds it may enter that table's game,
// so it is long and comes from the system's cryptographic random source.
#include <cstddef>
#include <functional>
#include <span>
#include <string>

namespace corvane::tables {

// Fills its buffer with random bytes.
using RandomBytes = std::function<void(std::span<unsigned char>)>;

// 128 bits, written as 32 lower-case hex digits.
inline constexpr std::size_t tokenBytes = 16;

// The system's source (std::random_device, which reads the operating system's).
RandomBytes systemRandom();

std::string makeToken(const RandomBytes& random);

} // namespace corvane::tables
