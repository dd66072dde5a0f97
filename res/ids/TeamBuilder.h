#pragma once
// The Team Builder dialog's template and controls.
namespace corvane::ids::teamBuilder {
inline constexpr int templateId = 130;
inline constexpr int availablePlayers = 1005;
inline constexpr int build = 1007;
inline constexpr int remove = 1008;
inline constexpr int teams = 1009;
inline constexpr int clear = 1010;
} // namespace corvane::ids::teamBuilder
