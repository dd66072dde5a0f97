#pragma once
// The Game Results dialog's template and controls.
namespace corvane::ids::gameResults {
inline constexpr int templateId = 131;
inline constexpr int remove = 1006;
inline constexpr int team1 = 1009;
inline constexpr int team2 = 1010;
inline constexpr int team1Score = 1011;
inline constexpr int team1Flags = 1012;
inline constexpr int save = 1013;
inline constexpr int team2Score = 1014;
inline constexpr int team2Flags = 1015;
inline constexpr int completedGames = 1016;
} // namespace corvane::ids::gameResults
