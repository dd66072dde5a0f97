#pragma once
// Small pieces shared by the readers of the data files and tournament.dat.
#include "store/NameRules.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace corvane::fileformat {

// The files of a tournament folder and of the working directory.
inline constexpr std::string_view playersFileName = "players.txt";
inline constexpr std::string_view teamsFileName = "teams.txt";
inline constexpr std::string_view gamesFileName = "games.txt";
inline constexpr std::string_view tournamentDatFileName = "tournament.dat";

// The keys of the files. A record line is its key, one blank and the value; a
// game's field lines are indented. Readers take the value by position, so each
// position comes from the key it follows.
inline constexpr std::string_view playerKey = "PLAYER";
inline constexpr std::string_view teamKey = "TEAM";
inline constexpr std::string_view gameKey = "GAME";
inline constexpr std::string_view tournamentKey = "TOURNAMENT";
inline constexpr std::string_view gameFieldIndent = "   ";
inline constexpr std::string_view team1NameKey = "TEAM1_NAME";
inline constexpr std::string_view team1ScoreKey = "TEAM1_SCORE";
inline constexpr std::string_view team1FlagsKey = "TEAM1_FLAGS";
inline constexpr std::string_view team2NameKey = "TEAM2_NAME";
inline constexpr std::string_view team2ScoreKey = "TEAM2_SCORE";
inline constexpr std::string_view team2FlagsKey = "TEAM2_FLAGS";

constexpr std::size_t recordValueStart(std::string_view key) {
    return key.size() + 1;
}
constexpr std::size_t gameFieldValueStart(std::string_view key) {
    return gameFieldIndent.size() + key.size() + 1;
}

// The folder of tournament `number` inside the working directory.
inline std::string tournamentFolderName(std::int32_t number) {
    return "Tournament" + std::to_string(number);
}

// A team is named after its two players, joined so.
inline constexpr std::string_view teamNameSeparator = " & ";
inline std::string composeTeamName(std::string_view firstPlayer, std::string_view secondPlayer) {
    std::string name;
    name.reserve(firstPlayer.size() + teamNameSeparator.size() + secondPlayer.size());
    name += firstPlayer;
    name += teamNameSeparator;
    name += secondPlayer;
    return name;
}

// A reader takes a value by position: what follows the prefix the writer puts
// in front of it, or nothing when the line is no longer than that prefix.
// A cut that falls inside a UTF-8 character starts after that character: one
// broken name saved back would make the whole file read as Windows-1252 on
// the next load.
inline std::string_view valueAfter(std::string_view line, std::size_t prefixLength) {
    if (line.size() <= prefixLength) {
        return std::string_view();
    }
    std::size_t start = prefixLength;
    while (start < line.size() && (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) {
        ++start;
    }
    return line.substr(start);
}

// The name a record line holds after `prefixLength`, with every control
// character read from the file turned into a blank: no record holds one.
inline std::string nameAfter(std::string_view line, std::size_t prefixLength) {
    std::string name;
    appendBlankingControls(name, valueAfter(line, prefixLength));
    return name;
}

inline bool contains(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

inline bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Leading white space, an optional sign, then decimal digits up to the first
// other character; no digits give 0. Out-of-range values stop at the nearest
// 32-bit limit instead of wrapping. `digitsRead`, if given, tells whether any
// digit was seen, and `end` where reading stopped.
inline std::int32_t toInt(std::string_view text, bool* digitsRead = nullptr,
                          std::size_t* end = nullptr) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    const std::size_t firstDigit = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        if (value > limit) {
            value = limit;
        }
        ++pos;
    }
    if (digitsRead != nullptr) {
        *digitsRead = pos > firstDigit;
    }
    if (end != nullptr) {
        *end = pos;
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace corvane::fileformat
