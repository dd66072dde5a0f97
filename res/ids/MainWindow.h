#pragma once
// The main window's template, buttons, menu, system-menu entry and icons.
namespace corvane::ids::mainWindow {
inline constexpr int templateId = 102;
inline constexpr int addPlayer = 1000;
inline constexpr int teamBuilder = 1001;
inline constexpr int enterGameResults = 1002;
inline constexpr int viewTournamentResults = 1003;

inline constexpr int menuId = 133;
inline constexpr int startNewTournament = 32771;
inline constexpr int loadArchivedTournament = 32772;

// The system menu's About entry: its text's string and its command.
inline constexpr int aboutText = 101;
inline constexpr int aboutCommand = 0x0010;

inline constexpr int windowIcon = 134;
inline constexpr int programIcon = 128;
} // namespace corvane::ids::mainWindow
