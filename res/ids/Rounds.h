#pragma once
// The Rounds menu of the main window, and the controls of its two windows.
namespace corvane::ids::rounds {
inline constexpr int nextRoundCommand = 32790;
inline constexpr int scheduleCommand = 32791;

// Both windows.
inline constexpr int summary = 1100;
inline constexpr int seating = 1101;
inline constexpr int print = 1102;
inline constexpr int save = 1103;
inline constexpr int close = 1104;

// The Next Round window's hand changes.
inline constexpr int swapFirst = 1105;
inline constexpr int swapSecond = 1106;
inline constexpr int swap = 1107;
inline constexpr int proposed = 1108;
} // namespace corvane::ids::rounds
