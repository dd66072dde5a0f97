#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/NameCompare.h"
#include "store/NameRules.h"
#include "store/TextLines.h"
#include "store/TournamentStore.h"

#include <algorithm>
#include <array>
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

// The six field lines of a game block, in the order they are written.
struct GameField {
    std::string_view key;
    std::string GameRecord::*name;
    std::int32_t GameRecord::*number;
};
constexpr std::array<GameField, 6> gameFields{{
    {fileformat::team1NameKey, &GameRecord::team1Name, nullptr},
    {fileformat::team1ScoreKey, nullptr, &GameRecord::team1Score},
    {fileformat::team1FlagsKey, nullptr, &GameRecord::team1Flags},
    {fileformat::team2NameKey, &GameRecord::team2Name, nullptr},
    {fileformat::team2ScoreKey, nullptr, &GameRecord::team2Score},
    {fileformat::team2FlagsKey, nullptr, &GameRecord::team2Flags},
}};
constexpr std::string_view blockOpen = "\n{\n";
constexpr std::string_view blockEnd = "}\n";
constexpr std::size_t longestNumber = 11; // "-2147483648"

constexpr std::size_t fixedBlockText() {
    std::size_t size = fileformat::gameKey.size() + blockOpen.size() + blockEnd.size();
    for (const GameField& field : gameFields) {
        size += fileformat::gameFieldValueStart(field.key) + 1;
        if (field.number != nullptr) {
            size += longestNumber;
        }
    }
    return size;
}

// Fills a buffer sized beforehand; games.txt can run to many megabytes, and
// appending piece by piece would cost more than writing the file.
class BlockWriter {
public:
    // The most a block adds to its two names.
    static constexpr std::size_t overhead = fixedBlockText();

    explicit BlockWriter(char* out) : out_(out) {}
    char* end() const { return out_; }

    void game(const GameRecord& g) {
        text(fileformat::gameKey);
        text(blockOpen);
        for (const GameField& field : gameFields) {
            text(fileformat::gameFieldIndent);
            text(field.key);
            *out_++ = ' ';
            if (field.name != nullptr) {
                text(g.*field.name);
            } else {
                out_ = std::to_chars(out_, out_ + longestNumber, g.*field.number).ptr;
            }
            *out_++ = '\n';
        }
        text(blockEnd);
    }

private:
    void text(std::string_view s) {
        std::memcpy(out_, s.data(), s.size());
        out_ += s.size();
    }

    char* out_;
};

void readGameLine(GameRecord& game, std::string_view line) {
    for (const GameField& field : gameFields) {
        if (startsWithKey(line, field.key)) {
            const std::string_view value =
                fileformat::valueAfter(line, fileformat::gameFieldValueStart(field.key));
            if (field.name != nullptr) {
                appendBlankingControls(game.*field.name, value);
            } else {
                game.*field.number = fileformat::toInt(value);
            }
            return;
        }
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
ReadResult TournamentStore::readGames() {
    const std::string path = filePath(fileformat::gamesFileName);
    std::vector<PendingMark> marks;
    std::unique_ptr<GameRecord> game;
    ReadResult read = forEachTextLine(path, [&](std::string_view line) {
        if (!game) {
            if (fileformat::contains(line, fileformat::gameKey)) {
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
        games_.push_back(std::move(game));
        // applyGameResult and the two marks, each name folded only once.
        const GameRecord& done = *games_.back();
        const std::size_t hash1 = foldedHash(done.team1Name);
        const std::size_t hash2 = foldedHash(done.team2Name);
        gameHashes_.append({hash1, hash2});
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
        markOpponentPlayed(*mark.team, mark.opponent, mark.hash, 1);
    }
    noteRead(path, read);
    return read;
}

SaveResult TournamentStore::writeGames() {
    const std::string path = filePath(fileformat::gamesFileName);
    if (SaveResult refused = checkBeforeSave(path); !refused.ok()) {
        return refused;
    }
    // Written in pieces of a buffer that stays in the cache, not as one
    // string of the whole file.
    constexpr std::size_t pieceSize = 256 * 1024;
    AtomicFileWriter file(staging_ ? stagedPath(path) : path);
    std::string buffer;
    std::size_t used = 0;
    for (const auto& game : games_) {
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
    SaveResult saved = file.commit();
    if (staging_) {
        if (saved.ok()) {
            staged_.push_back(path);
        }
        return saved;
    }
    noteSaved(path, saved);
    return saved;
}

} // namespace corvane
