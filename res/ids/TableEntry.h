#pragma once
// The Table Entry window, the Rounds menu's item for it, and the Next Round
// window's button that opens its round for entry.
namespace corvane::ids::tableEntry {
inline constexpr int command = 32793;
inline constexpr int fromNextRound = 1109;

inline constexpr int interfaceChoice = 1120;
inline constexpr int port = 1121;
inline constexpr int startStop = 1122;
inline constexpr int address = 1123;
inline constexpr int anyTeamsCount = 1124;
inline constexpr int anyTeams = 1125;
inline constexpr int tables = 1126;
inline constexpr int qrCode = 1127;
inline constexpr int printCards = 1128;
inline constexpr int queue = 1129;
inline constexpr int accept = 1130;
inline constexpr int edit = 1131;
inline constexpr int reject = 1132;
inline constexpr int saveConfirmed = 1133;
inline constexpr int close = 1134;
inline constexpr int problem = 1135;
} // namespace corvane::ids::tableEntry
