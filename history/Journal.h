#pragma once
// The tournament's journal: every confirmed change, one line each, appended to
// journal.txt in the tournament folder and on the disk before the change is
// reported done. A line holds the local time, a number, what was done and what
// undoing it needs, tab-separated, so a person can read it and the program can
// rebuild its undo history from it after a restart.
#include "store/SaveResult.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::history {

inline constexpr std::string_view journalFileName = "journal.txt";

struct JournalLine {
    std::string time;         // local, ISO 8601 with the UTC offset
    std::uint64_t number = 0; // increasing within the journal
    std::string action;       // "save game", "undo", ...
    std::vector<std::string> fields;
};

// "2026-12-07T21:34:05+01:00" for now, in the machine's time zone.
std::string localTimeNow();

// The text of a line, without its line end; tabs, line breaks and backslashes
// inside fields are written as \t, \n, \r and \\. A check of the line ends it,
// so a torn or edited line is known as one.
std::string formatLine(const JournalLine& line);

// The line read back; false for a line that is not one (torn, edited by hand).
bool parseLine(std::string_view text, JournalLine& line);

// Appends the line to the journal at `path`, starting a new line when the last
// one was torn, and syncs it to the disk.
SaveResult appendLine(const std::string& path, const JournalLine& line);

// The journal's last lines that are ever read (about 40,000 changes); older
// ones are not offered for undo or shown, so memory stays bounded whatever
// the file holds.
inline constexpr std::int64_t maxJournalRead = std::int64_t{8} << 20;

// Every whole line of the journal's last maxJournalRead bytes at `path`, oldest
// first; damaged lines are left out and counted in `damaged`. A missing
// journal has none; anything but a plain file (a link, a pipe) is not read.
std::vector<JournalLine> readJournal(const std::string& path, std::size_t& damaged);

// Reads a journal a step at a time: each call gives the lines added since the
// last one, so a long journal is not read again for every change. A journal
// that was replaced, shortened or changed at its end is read again whole, and
// `restarted` says so. Damaged lines are left out; a torn last line waits
// until it is ended.
class JournalReader {
public:
    std::vector<JournalLine> newLines(const std::string& path, bool& restarted);
    // The lines read so far that were not journal lines.
    std::size_t damagedLines() const { return damaged_; }

private:
    std::string path_;
    std::uint64_t device_ = 0;
    std::uint64_t inode_ = 0;
    std::int64_t consumed_ = 0; // bytes of whole lines taken in
    std::string tail_;          // the last of them, to tell an append from an edit
    std::size_t damaged_ = 0;
};

} // namespace corvane::history
