#include "StoreFixture.h"
#include "TestSystem.h"
#include "store/AtomicFile.h"
#include "store/GameHashIndex.h"
#include "store/NameCompare.h"

#include <algorithm>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheWholeFileOrLeavesTheOldOneAndNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("games.txt");
    writeBytes(path, std::string(5000, 'x'));
    ASSERT_TRUE(writeFileAtomically(path, "short\n").ok());
    EXPECT_EQ(readBytes(path), "short\n");
    AtomicFileWriter(path).write("abandoned without a commit");
    EXPECT_EQ(readBytes(path), "short\n");

    fs::create_directory(dir.file("teams.txt")); // the rename cannot replace a folder
    EXPECT_FALSE(writeFileAtomically(dir.file("teams.txt"), "TEAM A & B\n").ok());
    EXPECT_EQ(dir.entryCount(), 2u) << "games.txt and the teams.txt folder only";
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissions) {
    CORVANE_POSIX_ONLY("permission bits");
    TempDir dir;
    const std::string path = dir.file("games.txt");
    writeBytes(path, "long\n");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    ASSERT_TRUE(writeFileAtomically(path, "short\n").ok());
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, perms);
}

// Final sigma folds like sigma, Deseret lies beyond the 16-bit range, blanks count,
// and malformed bytes (a cut-off é, overlong forms of A) compare as themselves.
TEST(NameCompare, CaseIgnoredOverAllScriptsAndMalformedBytesCompareAsThemselves) {
    // Pairs of names that are the same, then pairs that are not.
    const std::vector<std::vector<const char*>> pairs = {
        {"Ann & Bob", "ann & BOB", "José", "JOSÉ", "Жанна", "жанна", "ΟΔΥΣΣΕΥΣ", "οδυσσευς",
         "Straße", "STRASSE", "Ǆemal", "ǆEMAL", "𐐀", "𐐨", "", "", "A\xFF", "a\xFF"},
        {"José", "Jose", "Ann", "Anne", " Ann", "Ann", "Ann ", "Ann", "\xFF", "\xFE", "\xC3",
         "\xC3\xA9", "\xC3\x89", "\xC3\x89\x80", "\xC1\x81", "a", "\xE0\x81\x81", "a"}};
    for (const bool equal : {true, false}) {
        const auto& names = pairs[equal ? 0 : 1];
        for (std::size_t i = 0; i < names.size(); i += 2) {
            const char *a = names[i], *b = names[i + 1];
            EXPECT_EQ(namesEqual(a, b), equal) << a << " / " << b;
            EXPECT_EQ(foldName(a) == foldName(b), equal) << a << " / " << b;
            EXPECT_TRUE(!equal || foldedHash(a) == foldedHash(b)) << a;
        }
    }
    EXPECT_EQ(foldName("JOSÉ Жанна X\xE9Y\xED\xA0\x80"), "josé жанна x\xE9y\xED\xA0\x80");
}

class StoreLookups : public StoreTestBase {};

TEST_F(StoreLookups, ExactSpellingThenFirstInTeamsOrderThroughReordersAndClearing) {
    const TeamRecord& upper = addTeam("ANN", "BOB");
    const TeamRecord& plain = addTeam("Ann", "Bob");
    EXPECT_EQ(store.findTeam("ann & bob"), &upper);
    EXPECT_EQ(store.findTeam("Ann & Bob "), nullptr);
    EXPECT_EQ(store.findTeam("Ann & Bob"), &plain) << "the exact spelling comes first";
    store.reorderTeams([](auto& a, auto& b) { return a.teamName > b.teamName; });
    EXPECT_EQ(store.findTeam("ANN & bob"), &plain);
    EXPECT_EQ(store.findTeam("ANN & BOB"), &upper) << "a game keeps to its team";
    addTeam("Cy", "Di"); // after the last team of the new order
    EXPECT_EQ(store.findTeam("cy & di"), &store.teams().back());
    store.reorderTeams([](auto& a, auto& b) { return a.teamName < b.teamName; });
    EXPECT_EQ(store.findTeam("ann & bob"), &upper);
    store.addPlayer("Gus");
    store.addPlayer("José");
    EXPECT_TRUE(store.hasPlayer("gus") && store.hasPlayer("JOSÉ"));
    EXPECT_FALSE(store.hasPlayer("Jose"));

    store.clearAll();
    EXPECT_EQ(store.findTeam("Ann & Bob"), nullptr);
    EXPECT_FALSE(store.hasPlayer("Gus"));
    addTeam("Ann", "Bob");
    addTeam("Cy", "Di");
    EXPECT_EQ(store.teams()[0].opponents().size(), 1u) << "opponent lists built afresh";
}

// The positions found by hash always agree with a look at every game, through
// appends, removals and insertions anywhere, replacements and renames.
TEST(GameHashIndex, AgreesWithEveryGameThroughEveryChange) {
    GameHashIndex index;
    std::vector<GameHashIndex::Hashes> games;
    constexpr std::size_t hashCount = 5;
    std::uint64_t seed = 7;
    const auto next = [&seed](std::size_t bound) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::size_t>((seed >> 33) % bound);
    };
    constexpr int steps = 3000;
    for (int step = 0; step < steps; ++step) {
        const GameHashIndex::Hashes hashes{next(hashCount), next(hashCount)};
        const std::size_t at = games.empty() ? 0 : next(games.size());
        switch (games.empty() ? 0 : next(6)) {
        case 0:
        case 1:
            index.append(hashes);
            games.push_back(hashes);
            break;
        case 2:
            index.insert(at, hashes);
            games.insert(games.begin() + static_cast<std::ptrdiff_t>(at), hashes);
            break;
        case 3: {
            const std::size_t gone = next(2) == 0 ? games.size() - 1 : at;
            index.erase(gone);
            games.erase(games.begin() + static_cast<std::ptrdiff_t>(gone));
            break;
        }
        case 4:
            index.replace(at, hashes);
            games[at] = hashes;
            break;
        default:
            if (next(10) == 0) {
                index.assign(games);
            }
        }
        // Asked only now and then, so the index also lives through runs of
        // changes unasked.
        if (next(3) != 0) {
            continue;
        }
        for (std::size_t hash = 0; hash < hashCount; ++hash) {
            std::vector<std::uint32_t> expected;
            for (std::size_t i = 0; i < games.size(); ++i) {
                if (games[i].first == hash || games[i].second == hash) {
                    expected.push_back(static_cast<std::uint32_t>(i));
                }
            }
            const auto found = index.positionsOf(hash);
            ASSERT_EQ(std::vector<std::uint32_t>(found.begin(), found.end()), expected)
                << "step " << step << ", hash " << hash;
        }
    }
}

} // namespace
} // namespace corvane::testing
