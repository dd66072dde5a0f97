#pragma once
// The values a game may hold, wherever they come from.
#include <cstdint>

namespace corvane {

inline constexpr std::int32_t maximumScore = 1800;

} // namespace corvane
