#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/NameCompare.h"
#include "store/TournamentStore.h"

#include <algorithm>
#include <charconv>
#include <functional>

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

// A played mark to set once the whole file is read.
struct PendingMark {
    TeamRecord* team;
    std::string_view opponent;
    std::size_t hash;
};

} // namespace

// Marks are set team by team once all games are in: each team's opponent
// table is then walked while it is in the cache, rather than jumping between
// thousands of teams for every game. Nothing reads the marks meanwhile.
void TournamentStore::readGames() {
    std::vector<PendingMark> marks;
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
        // applyGameResult and the two marks, each name folded only once.
        const GameRecord& done = *games.back();
        const std::size_t hash1 = foldedHash(done.team1Name);
        const std::size_t hash2 = foldedHash(done.team2Name);
        TeamRecord* first = findTeamIndexed(done.team1Name, hash1);
        TeamRecord* second = findTeamIndexed(done.team2Name, hash2);
        applyToTeams(done, first, second);
        if (first != nullptr) {
            marks.push_back({first, done.team2Name, hash2});
        }
        if (second != nullptr) {
            marks.push_back({second, done.team1Name, hash1});
        }
    });
    // A block still open at the end of the file is no game.
    std::sort(marks.begin(), marks.end(), [](const PendingMark& a, const PendingMark& b) {
        return std::less<const TeamRecord*>()(a.team, b.team);
    });
    for (const PendingMark& mark : marks) {
        mark.team->markOpponentPlayed(mark.opponent, mark.hash, 1);
    }
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
