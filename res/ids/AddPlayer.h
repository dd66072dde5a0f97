#pragma once
// The Add Player dialog's template and controls.
namespace corvane::ids::addPlayer {
inline constexpr int templateId = 129;
inline constexpr int name = 1001;
inline constexpr int add = 1003;
inline constexpr int clear = 1004;
inline constexpr int players = 1005;
inline constexpr int remove = 1006;
// Made in code below the template's controls, which stay as they are.
inline constexpr int addFromList = 1007;
} // namespace corvane::ids::addPlayer
