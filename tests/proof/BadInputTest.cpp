// Hostile and broken input, one table (bad-input.tsv): names no one should
// type, scores and flags out of range, and data files written by hand or on
// Windows. Each row gives its specified (or mended) result, and what was read
// reads the same after it is saved: nothing is lost.
#include "CaseTable.h"
#include "Proof.h"

#ifdef CORVANE_GUI
#include "dialogs/NameRules.h"
#include "dialogs/ScoreText.h"
#endif

namespace {

TEST(BadInput, EveryRowGivesItsResultAndLosesNothing) {
    const auto rows = readCaseTable(CORVANE_PROOF_DATA "/bad-input.tsv", 3);
    ASSERT_FALSE(rows.empty());
    for (const CaseRow& row : rows) {
        const std::string &kind = row[0], &input = row[1], &expected = row[2];
        SCOPED_TRACE(kind + "\t" + input.substr(0, 100));
#ifdef CORVANE_GUI
        const auto score = dialogs::readScore(input);
        const std::string typed = kind == "score"   ? (score ? std::to_string(*score) : "refused")
                                  : kind == "flags" ? std::to_string(dialogs::readFlags(input))
                                  : dialogs::hasControlCharacter(QString::fromStdString(input))
                                      ? "refused"
                                      : "accepted";
        EXPECT_TRUE(kind.ends_with(".txt") || typed == expected) << typed;
#endif
        // A typed name the dialog takes reaches players.txt as a line of its own.
        const bool name = kind == "name" && expected == "accepted";
        if (!kind.ends_with(".txt") && !name) {
            continue;
        }
        TempDir dir;
        fs::create_directory(dir.file("Tournament1"));
        const std::string file = name ? "players.txt" : kind;
        writeBytes(dir.file("Tournament1/players.txt"), "PLAYER Ann\nPLAYER Bob\n");
        writeBytes(dir.file("Tournament1/teams.txt"), "TEAM Ann & Bob\n");
        writeBytes(dir.file("Tournament1/" + file), name ? "PLAYER " + input + "\n" : input);
        // Saved after reading, and saved again after reading that: nothing lost or changed.
        const auto save = [&] {
            const auto store = loadTournament(dir.path());
            EXPECT_TRUE(store->writePlayers() && store->writeTeams() && store->writeGames());
            return readBytes(dir.file("Tournament1/" + file));
        };
        const std::string saved = save();
        EXPECT_EQ(saved, name ? "PLAYER " + input + "\n" : expected);
        EXPECT_EQ(save(), saved);
    }
}

} // namespace
