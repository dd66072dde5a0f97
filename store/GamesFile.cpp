#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/TournamentStore.h"

#include <charconv>

namespace corvane {
namespace {

// A key counts only at the start of its line, after the leading blanks, so a
// name that holds a key's text is never taken for it.
bool startsWithKey(std::string_view line, std::string_view key) {
    const auto start = line.find_first_not_of(" \t");
    return start != std::string_view::npos && line.substr(start).starts_with(key);
}

void appendNumberLine(std::string& out, std::string_view key, std::int32_t value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out += key;
    out.append(digits, end);
    out += '\n';
}

void appendGameBlock(std::string& out, const GameRecord& game) {
    out += "GAME\n{\n   TEAM1_NAME ";
    out += game.team1Name;
    out += '\n';
    appendNumberLine(out, "   TEAM1_SCORE ", game.team1Score);
    appendNumberLine(out, "   TEAM1_FLAGS ", game.team1Flags);
    out += "   TEAM2_NAME ";
    out += game.team2Name;
    out += '\n';
    appendNumberLine(out, "   TEAM2_SCORE ", game.team2Score);
    appendNumberLine(out, "   TEAM2_FLAGS ", game.team2Flags);
    out += "}\n";
}

void readGameLine(GameRecord& game, std::string_view line) {
    using fileformat::toInt;
    using fileformat::valueAfter;
    if (startsWithKey(line, "TEAM1_NAME")) {
        game.team1Name += valueAfter(line, 14);
    } else if (startsWithKey(line, "TEAM1_SCORE")) {
        game.team1Score = toInt(valueAfter(line, 15));
    } else if (startsWithKey(line, "TEAM1_FLAGS")) {
        game.team1Flags = toInt(valueAfter(line, 15));
    } else if (startsWithKey(line, "TEAM2_NAME")) {
        game.team2Name += valueAfter(line, 14);
    } else if (startsWithKey(line, "TEAM2_SCORE")) {
        game.team2Score = toInt(valueAfter(line, 15));
    } else if (startsWithKey(line, "TEAM2_FLAGS")) {
        game.team2Flags = toInt(valueAfter(line, 15));
    }
}

} // namespace

void TournamentStore::readGames() {
    std::unique_ptr<GameRecord> game;
    forEachTextLine(filePath("games.txt"), [&](std::string_view line) {
        if (!game) {
            if (fileformat::contains(line, "GAME")) {
                game = std::make_unique<GameRecord>();
            }
            return;
        }
        if (line.starts_with('{')) {
            return;
        }
        if (!line.starts_with('}')) {
            readGameLine(*game, line);
            return;
        }
        appendGame(std::move(game));
        const GameRecord& done = *games.back();
        applyGameResult(done);
        if (TeamRecord* first = findTeam(done.team1Name)) {
            first->markOpponentPlayed(done.team2Name, 1);
        }
        if (TeamRecord* second = findTeam(done.team2Name)) {
            second->markOpponentPlayed(done.team1Name, 1);
        }
    });
    // A block still open at the end of the file is no game.
}

SaveResult TournamentStore::writeGames() const {
    std::string contents;
    std::size_t size = 0;
    for (const auto& game : games) {
        size += game->team1Name.size() + game->team2Name.size() + 120;
    }
    contents.reserve(size);
    for (const auto& game : games) {
        appendGameBlock(contents, *game);
    }
    return writeFileAtomically(filePath("games.txt"), contents);
}

} // namespace corvane
