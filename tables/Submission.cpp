#include "tables/Submission.h"

#include "store/GameRules.h"
#include "store/NameCompare.h"
#include "tables/HttpStatus.h"
#include "tables/TableSet.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace corvane::tables {
namespace {

using status::badRequest;
using status::refused;
using status::tooLarge;

// A phone's id: letters, digits, '-' and '_', long enough not to repeat.
constexpr std::size_t shortestId = 8;
constexpr std::size_t longestId = 64;
constexpr std::size_t longestDevice = 80;
// Flags are a count; more digits than this is a typing slip or an attack.
constexpr std::size_t longestFlags = 4;
constexpr std::size_t longestScore = 4;

int hexValue(char c) {
    constexpr int ten = 10;
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + ten;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + ten;
    }
    return -1;
}

std::optional<std::string> percentDecoded(std::string_view text) {
    constexpr int nibble = 16;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] != '%') {
            out += text[i];
        } else if (i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * nibble + hexValue(text[i + 2]));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool validId(std::string_view id) {
    return id.size() >= shortestId && id.size() <= longestId &&
           std::all_of(id.begin(), id.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      c == '-' || c == '_';
           });
}

// Digits only (a score field takes nothing else); empty reads as 0, as in Game Results.
std::optional<std::int32_t> readScore(const std::string& text) {
    if (text.size() > longestScore) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    if (text.empty()) {
        return value;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 ||
        value > maximumScore) {
        return std::nullopt;
    }
    return value;
}

// An optional sign and digits; empty reads as 0. Nothing limits flags to 0..4.
std::optional<std::int32_t> readFlags(const std::string& text) {
    std::int32_t value = 0;
    const std::size_t sign = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (text.size() == sign) {
        return text.empty() ? std::optional(value) : std::nullopt;
    }
    if (text.size() - sign > longestFlags) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data() + sign, text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return text[0] == '-' ? -value : value;
}

SubmissionProblem problem(int status, std::string message) {
    return SubmissionProblem{status, std::move(message)};
}

// The two teams of an any-teams table, chosen from the round's list.
std::optional<SubmissionProblem> chooseTeams(std::string_view body, const TableSet& tables,
                                             GameRecord& game) {
    const auto known = [&](const std::optional<std::string>& name) {
        return name && std::any_of(tables.teams().begin(), tables.teams().end(),
                                   [&](const std::string& team) { return team == *name; });
    };
    const auto first = formValue(body, "t1");
    const auto second = formValue(body, "t2");
    if (!known(first) || !known(second)) {
        return problem(refused, "You must select a team from each drop down box.");
    }
    if (namesEqual(*first, *second)) {
        return problem(refused, "You have the same team selected twice!");
    }
    game.team1Name = *first;
    game.team2Name = *second;
    return std::nullopt;
}

} // namespace

std::optional<std::string> formValue(std::string_view body, std::string_view key) {
    while (!body.empty()) {
        const std::size_t end = std::min(body.find('&'), body.size());
        const std::string_view pair = body.substr(0, end);
        const std::size_t equals = pair.find('=');
        if (equals != std::string_view::npos && pair.substr(0, equals) == key) {
            return percentDecoded(pair.substr(equals + 1));
        }
        body.remove_prefix(std::min(end + 1, body.size()));
    }
    return std::nullopt;
}

SubmissionRead readSubmission(std::string_view body, const Table& table, const TableSet& tables) {
    if (body.size() > maximumBodyBytes) {
        return problem(tooLarge, "The entry is too large.");
    }
    Submission submission;
    const auto id = formValue(body, "id");
    const auto score1 = formValue(body, "s1");
    const auto score2 = formValue(body, "s2");
    const auto flags1 = formValue(body, "f1");
    const auto flags2 = formValue(body, "f2");
    if (!id || !validId(*id) || !score1 || !score2 || !flags1 || !flags2) {
        return problem(badRequest, "The entry could not be read.");
    }
    submission.id = *id;
    GameRecord& game = submission.game;
    if (table.anyTeams()) {
        if (auto chosen = chooseTeams(body, tables, game)) {
            return *chosen;
        }
    } else {
        game.team1Name = table.team1;
        game.team2Name = table.team2;
    }
    // Team 2 is named when both scores are out of range, as Game Results does.
    const auto second = readScore(*score2);
    if (!second) {
        return problem(refused, "You have entered an invalid score for Team 2!");
    }
    const auto first = readScore(*score1);
    if (!first) {
        return problem(refused, "You have entered an invalid score for Team 1!");
    }
    const auto firstFlags = readFlags(*flags1);
    const auto secondFlags = readFlags(*flags2);
    if (!firstFlags || !secondFlags) {
        return problem(refused, "Flags given must be a whole number.");
    }
    game.team1Score = *first;
    game.team2Score = *second;
    game.team1Flags = *firstFlags;
    game.team2Flags = *secondFlags;
    submission.both = formValue(body, "both").value_or("") == "1";
    submission.device = formValue(body, "device").value_or("").substr(0, longestDevice);
    return submission;
}

} // namespace corvane::tables
