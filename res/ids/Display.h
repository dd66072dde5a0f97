#pragma once
// The View menu of the main window.
namespace corvane::ids::display {
inline constexpr int projectorDisplayCommand = 32792;
} // namespace corvane::ids::display
