#pragma once
// The About box's template and controls.
namespace corvane::ids::aboutBox {
inline constexpr int templateId = 100;
inline constexpr int ok = 1;
} // namespace corvane::ids::aboutBox
