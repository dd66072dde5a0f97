// Files as a careless club computer leaves them: unreadable, in another
// encoding, absurdly large, changed behind the program's back, or with the
// leftovers of a killed save. Nothing is taken for empty, nothing garbled,
// nothing overwritten that the program did not read.
#include "StoreFixture.h"
#include "TestSystem.h"
#include "store/AtomicFile.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

// What a store read from the folder: "refused: <reason>", or its players, teams
// and the first team's sums and average.
std::string readBack(TournamentStore& store) {
    const ReadResult read = store.loadAll();
    if (read.refused()) {
        return "refused " + fs::path(read.file()).filename().string() + ": " + read.reason();
    }
    std::string out;
    for (const std::string& player : store.players())
        out += "P " + player + "\n";
    for (const TeamRecord& team : store.teams())
        out += "T " + team.teamName + "\n";
    if (!store.teams().empty()) {
        const TeamRecord& first = store.teams()[0];
        out += "S " + std::to_string(first.pointsFor) + " " +
               std::to_string(static_cast<std::int64_t>(first.averageScore)) + "\n";
    }
    return out;
}

std::string manyTeams(std::size_t count) {
    std::string lines;
    for (std::size_t i = 0; i < count; ++i)
        lines += "TEAM A" + std::to_string(i) + " & B\n";
    return lines;
}

std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// A row: what it shows, how the folder is made so, and what the store reads.
using FileCase = std::tuple<const char*, std::function<void()>, std::string>;

class FileFaults : public StoreTestBase {
protected:
    std::string file(const char* name) const {
        return dir.file(std::string("Tournament1/") + name);
    }
    void write(const char* name, const std::string& bytes) const { writeBytes(file(name), bytes); }

    void expectEach(const std::vector<FileCase>& cases) {
        for (const auto& [name, make, expected] : cases) {
            SCOPED_TRACE(name);
            fs::remove_all(dir.file("Tournament1"));
            fs::create_directory(dir.file("Tournament1"));
            make();
            TournamentStore read;
            read.workingDirectory = dir.path();
            read.tournamentFolder = "Tournament1";
            EXPECT_EQ(readBack(read), expected);
            // A refused read keeps every file as it is: nothing is saved from what was read.
            const SaveResult saved = read.writePlayers();
            EXPECT_EQ(saved.ok(), !expected.starts_with("refused")) << saved.message();
        }
    }
};

TEST_F(FileFaults, DevicesAndPipesInAFilesPlaceAreRefusedUnread) {
    CORVANE_POSIX_ONLY("FIFOs and /dev/zero");
    expectEach({
        {"a pipe in a file's place is never waited on", [&] { makeFifo(file("teams.txt")); },
         "refused teams.txt: it is a device, pipe or socket, not a file"},
        {"a link to a device is not read",
         [&] { fs::create_symlink("/dev/zero", file("games.txt")); },
         "refused games.txt: it is a device, pipe or socket, not a file"},
    });
}

TEST_F(FileFaults, EachFileIsReadAsWhatItIsOrRefusedWithItsReason) {
    const std::string big = std::to_string(std::numeric_limits<std::int32_t>::max());
    const std::string bigGame = "GAME\n{\n   TEAM1_NAME A & B\n   TEAM1_SCORE " + big +
                                "\n   TEAM2_NAME C & D\n   TEAM2_SCORE 0\n}\n";
    expectEach({
        {"missing files read as empty", [] {}, ""},
        {"a folder in a file's place", [&] { fs::create_directory(file("games.txt")); },
         "refused games.txt: it is a folder, not a file"},
        {"UTF-16 LE with its mark",
         [&] { write("players.txt", utf16(u"PLAYER Zoë\r\nPLAYER Ann\r\n", false)); },
         "P Zoë\nP Ann\n"},
        {"UTF-16 BE with its mark, beyond the BMP",
         [&] { write("players.txt", utf16(u"PLAYER \U0001F0A1 Ace\n", true)); },
         "P \U0001F0A1 Ace\n"},
        {"UTF-16 of an odd length",
         [&] { write("players.txt", utf16(u"PLAYER Zoë", false) + "x"); },
         "refused players.txt: it is marked as UTF-16 but is not valid UTF-16 text"},
        {"UTF-16 with a lone surrogate",
         [&] { write("players.txt", utf16(u"PLAYER \xD800 x", false)); },
         "refused players.txt: it is marked as UTF-16 but is not valid UTF-16 text"},
        {"line ends of old Mac editors, a carriage return alone",
         [&] { write("players.txt", "PLAYER Ann\rPLAYER Bob\r"); }, "P Ann\nP Bob\n"},
        {"one Windows-1252 line among UTF-8 ones",
         [&] {
             write("teams.txt", "\xEF\xBB\xBFTEAM Zoë & Co\nTEAM Jos\xE9 & Al\nTEAM Ünal & Bo\n");
         },
         "T Zoë & Co\nT José & Al\nT Ünal & Bo\nS 0 0\n"},
        {"more teams than can be kept",
         [&] { write("teams.txt", manyTeams(TournamentStore::maxTeams + 1)); },
         "refused teams.txt: it holds more than 10000 teams, more than the program can keep"},
        {"scores at the 32-bit limit add up without wrapping",
         [&] {
             write("teams.txt", "TEAM A & B\nTEAM C & D\n");
             write("games.txt", bigGame + bigGame);
         },
         "T A & B\nT C & D\nS 4294967294 2147483648\n"},
    });
}

TEST_F(FileFaults, AFileChangedOnDiskIsNotOverwrittenAndTheChangeStaysInMemory) {
    writeBytes(dir.file("Tournament1/players.txt"), "PLAYER Ann\n");
    ASSERT_FALSE(store.loadAll().refused());
    store.addPlayer("Bob");
    ASSERT_TRUE(store.writePlayers().ok()) << "its own saves are known";
    // Written from another machine over the share: same folder, other content.
    writeBytes(dir.file("Tournament1/players.txt"), "PLAYER Ann\nPLAYER Bob\nPLAYER Cy\n");
    store.addPlayer("Dee");
    const SaveResult saved = store.writePlayers();
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(saved.file(), store.filePath("players.txt"));
    EXPECT_NE(saved.reason().find("changed on disk"), std::string::npos) << saved.reason();
    EXPECT_EQ(readBytes(dir.file("Tournament1/players.txt")),
              "PLAYER Ann\nPLAYER Bob\nPLAYER Cy\n");
    EXPECT_EQ(store.players().back(), "Dee");
    // A file that was missing when read and is there now changed too.
    writeBytes(dir.file("Tournament1/teams.txt"), "TEAM Ann & Bob\n");
    EXPECT_FALSE(store.writeTeams().ok());
    EXPECT_EQ(readBytes(dir.file("Tournament1/teams.txt")), "TEAM Ann & Bob\n");
}

TEST_F(FileFaults, LeftoversOfEndedSavesGoAtTheNextStartOrSaveOthersStay) {
    // A process id that has ended, and one that still runs.
    const std::int64_t ended = endedProcessId();
    const std::string folder = dir.file("Tournament1") + "/";
    const auto leftover = [&](const std::string& file, std::int64_t pid) {
        return "." + file + ".tmp" + std::to_string(pid) + "-0-0";
    };
    const std::string endedPlayers = leftover("players.txt", ended),
                      endedGames = leftover("games.txt", ended),
                      running = leftover("players.txt", os::processId()),
                      stranger = ".players.txt.tmp-not-ours";
    for (const std::string& name : {endedPlayers, endedGames, running, stranger})
        writeBytes(folder + name, "half a file");

    ASSERT_TRUE(store.writePlayers().ok());
    EXPECT_FALSE(fs::exists(folder + endedPlayers)) << "the saved file's own leftover";
    EXPECT_TRUE(fs::exists(folder + endedGames)) << "another file's waits for its save or a start";
    ASSERT_FALSE(store.loadAll().refused());
    EXPECT_FALSE(fs::exists(folder + endedGames));
    EXPECT_TRUE(fs::exists(folder + running) && fs::exists(folder + stranger));
}

} // namespace
} // namespace corvane::testing
