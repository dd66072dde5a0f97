#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/NameCompare.h"
#include "store/TournamentStore.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>

namespace corvane {
namespace {

// A key counts only at the start of its line, after the leading blanks, so a
// name that holds a key's text is never taken for it.
bool startsWithKey(std::string_view line, std::string_view key) {
    const auto start = line.find_first_not_of(" \t");
    return start != std::string_view::npos && line.substr(start).starts_with(key);
}

// Fills a buffer sized beforehand; games.txt can run to many megabytes, and
// appending piece by piece would cost more than writing the file.
class BlockWriter {
public:
    // The most a block adds to its two names: fixed text and four 11-character numbers.
    static constexpr std::size_t overhead = 7 + 2 * 15 + 4 * (15 + 11 + 1) + 2;

    explicit BlockWriter(char* out) : out_(out) {}
    char* end() const { return out_; }

    void game(const GameRecord& g) {
        text("GAME\n{\n");
        name("   TEAM1_NAME ", g.team1Name);
        number("   TEAM1_SCORE ", g.team1Score);
        number("   TEAM1_FLAGS ", g.team1Flags);
        name("   TEAM2_NAME ", g.team2Name);
        number("   TEAM2_SCORE ", g.team2Score);
        number("   TEAM2_FLAGS ", g.team2Flags);
        text("}\n");
    }

private:
    void text(std::string_view s) {
        std::memcpy(out_, s.data(), s.size());
        out_ += s.size();
    }
    void name(std::string_view key, std::string_view value) {
        text(key);
        text(value);
        *out_++ = '\n';
    }
    void number(std::string_view key, std::int32_t value) {
        text(key);
        out_ = std::to_chars(out_, out_ + 11, value).ptr;
        *out_++ = '\n';
    }

    char* out_;
};

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
    // Written in pieces of a buffer that stays in the cache, not as one
    // string of the whole file.
    constexpr std::size_t pieceSize = 256 * 1024;
    AtomicFileWriter file(filePath("games.txt"));
    std::string buffer;
    std::size_t used = 0;
    for (const auto& game : games) {
        const std::size_t most =
            game->team1Name.size() + game->team2Name.size() + BlockWriter::overhead;
        if (buffer.size() - used < most) {
            file.write(std::string_view(buffer.data(), used));
            used = 0;
            buffer.resize(std::max(pieceSize, most));
        }
        BlockWriter writer(buffer.data() + used);
        writer.game(*game);
        used = static_cast<std::size_t>(writer.end() - buffer.data());
    }
    file.write(std::string_view(buffer.data(), used));
    return file.commit();
}

} // namespace corvane
