// Hostile and broken input, one table (bad-input.tsv): names no one should
// type, scores and flags out of range, and data files written by hand or on
// Windows. Each row gives its specified (or mended) result, and what was read
// reads the same after it is saved: nothing is lost.
#include "Proof.h"

#include <fstream>
#ifdef CORVANE_GUI
#include "dialogs/NameRules.h"
#include "dialogs/ScoreText.h"
#endif

namespace {

// The table's escapes: \n \r \t \\ \xHH, and \*N for N of the character before.
std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t used = 0;
        if (text[i] != '\\') {
            out += text[i];
        } else if (text[++i] == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), &used, 16));
        } else if (text[i] == '*') {
            out.append(std::stoul(text.substr(i + 1), &used) - 1, out.back());
        } else {
            out += "\n\r\t\\"[std::string_view("nrt\\").find(text[i])];
        }
        i += used;
    }
    return out;
}

TEST(BadInput, EveryRowGivesItsResultAndLosesNothing) {
    std::ifstream table(CORVANE_PROOF_DATA "/bad-input.tsv");
    ASSERT_TRUE(table.is_open());
    for (std::string line; std::getline(table, line);) {
        if (line.starts_with('#')) {
            continue;
        }
        SCOPED_TRACE(line.substr(0, 100));
        const auto tab = line.find('\t'), tab2 = line.find('\t', tab + 1);
        const std::string kind = line.substr(0, tab),
                          input = unescape(line.substr(tab + 1, tab2 - tab - 1)),
                          expected = unescape(line.substr(tab2 + 1));
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
