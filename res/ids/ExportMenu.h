#pragma once
// The main window's Export menu: one command per table.
namespace corvane::ids::exportMenu {
inline constexpr int standings = 32801;
inline constexpr int games = 32802;
inline constexpr int players = 32803;
inline constexpr int teams = 32804;
} // namespace corvane::ids::exportMenu
