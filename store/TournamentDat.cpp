#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/TextLines.h"
#include "store/TournamentStore.h"

#include <charconv>

namespace corvane {
namespace {

// The number after the first word, read as "%s %d" would: true and `number`
// set when a signed decimal number that fits in 32 bits follows the word.
bool numberAfterFirstWord(std::string_view line, std::int32_t& number) {
    using fileformat::isSpace;
    std::size_t pos = 0;
    while (pos < line.size() && isSpace(line[pos])) {
        ++pos;
    }
    while (pos < line.size() && !isSpace(line[pos])) {
        ++pos;
    }
    while (pos < line.size() && isSpace(line[pos])) {
        ++pos;
    }
    if (pos < line.size() && line[pos] == '+') {
        ++pos;
        if (pos >= line.size() || line[pos] < '0' || line[pos] > '9') {
            return false;
        }
    }
    const char* begin = line.data() + pos;
    const char* end = line.data() + line.size();
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || stop == begin) {
        return false;
    }
    number = value;
    return true;
}

} // namespace

ReadResult TournamentStore::readTournamentNumber(const std::string& directory) {
    workingDirectory = directory;
    removeLeftoverTemporaries(workingDirectory);
    refusedDat_.reset();
    ReadResult read = forEachTextLine(tournamentDatPath(), [&](std::string_view line) {
        if (!fileformat::contains(line, fileformat::tournamentKey)) {
            return;
        }
        numberAfterFirstWord(line, tournamentNumber);
        // A tournament line marks a tournament as existing, number or not.
        noTournamentYet = false;
    });
    noteRead(tournamentDatPath(), read);
    composeTournamentFolder();
    return read;
}

void TournamentStore::composeTournamentFolder() {
    tournamentFolder = fileformat::tournamentFolderName(tournamentNumber);
}

SaveResult TournamentStore::writeTournamentNumber() {
    SaveResult result = saveFile(tournamentDatPath(), std::string(fileformat::tournamentKey) + " " +
                                                          std::to_string(tournamentNumber) + "\n");
    if (result.ok()) {
        noTournamentYet = false;
    }
    return result;
}

} // namespace corvane
