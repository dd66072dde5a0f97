#pragma once
// A table's result as its phone sends it, read from the form body and checked
// as Game Results checks a typed game. A problem is a value with the sentence
// the phone shows.
#include "store/Records.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace corvane::tables {

class TableSet;
struct Table;

// Larger bodies are refused unread; a result needs a few hundred bytes.
inline constexpr std::size_t maximumBodyBytes = 2048;

struct Submission {
    std::string id;     // made on the phone: a retry carries the same id
    GameRecord game;    // team names from the table (or, at an any-teams table, the form)
    bool both = false;  // the other team confirmed it on the same phone
    std::string device; // the phone's own words for itself, shortened
};

struct SubmissionProblem {
    int status = 0; // the HTTP status: 400 malformed, 413 too large, 422 a value refused
    std::string message;
};

using SubmissionRead = std::variant<Submission, SubmissionProblem>;

// Reads `body` (application/x-www-form-urlencoded: id, s1, f1, s2, f2, both,
// and t1, t2 at an any-teams table) for `table` of `tables`.
SubmissionRead readSubmission(std::string_view body, const Table& table, const TableSet& tables);

// The value of `key` in a form body, percent-decoded; nullopt when absent or undecodable.
std::optional<std::string> formValue(std::string_view body, std::string_view key);

} // namespace corvane::tables
