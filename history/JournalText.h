#pragma once
// A journal line as the History window shows it: when, what, and the details
// in words (games numbered from 1 as on the pages), never the raw fields.
#include "history/Journal.h"
#include "store/Records.h"

#include <string>

namespace corvane::history {

struct JournalText {
    std::string when;    // "2026-12-07 21:34:05"
    std::string what;    // "Save Game"
    std::string details; // "Game 5: Ann & Bob 120 (1 flag) vs Cy & Dee 80"
};

JournalText describeLine(const JournalLine& line);

// "Ann & Bob 120 (1 flag) vs Cy & Dee 80": a game in words.
std::string describeGame(const GameRecord& game);

} // namespace corvane::history
