#pragma once
// The HTTP statuses the tables' server answers with.
namespace corvane::tables::status {
inline constexpr int ok = 200;
inline constexpr int badRequest = 400;
inline constexpr int notFound = 404;
inline constexpr int notAllowed = 405;
inline constexpr int tooLarge = 413;
inline constexpr int refused = 422; // a value the checks refuse
inline constexpr int tooMany = 429;
inline constexpr int busy = 503;
} // namespace corvane::tables::status
