// The leader board and a team page of a published sample tournament, loaded
// in a real browser (headless Chromium): every image and link resolves to a
// file of the tournament folder, and the rendered standings are the right rows.
#include "PageMarkup.h"
#include "TempDir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace corvane::proof {
namespace {

using corvane::testing::TempDir;
using corvane::testing::writeBytes;
namespace fs = std::filesystem;

constexpr const char* chromium = "/usr/bin/chromium";

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Runs `command` through the shell; its standard output, and its exit status.
std::pair<std::string, int> run(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), &::pclose);
    std::string out;
    std::array<char, 65536> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) {
        out.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe.release());
    return {out, status};
}

std::string browser(const TempDir& profile, const std::string& flags, const std::string& page) {
    return std::string("timeout 120 ") + chromium +
           " --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --no-first-run "
           "--hide-scrollbars --user-data-dir=" +
           quoted(profile.file("profile")) + " " + flags + " " + quoted("file://" + page) +
           " 2>/dev/null";
}

// Four teams that played (a win streak, a tie, a loss) and one that did not;
// one player's name holds markup, which must show as typed.
void writeSampleTournament(const TempDir& dir) {
    writeBytes(dir.file("tournament.dat"), "TOURNAMENT 1\n");
    fs::create_directory(dir.file("Tournament1"));
    std::string players;
    for (const char* name :
         {"Ann", "Bob", "Cy", "Dee", "Eve", "Fay", "Gus <G>", "Hal", "Ivy", "Jo"}) {
        players += std::string("PLAYER ") + name + "\n";
    }
    writeBytes(dir.file("Tournament1/players.txt"), players);
    writeBytes(dir.file("Tournament1/teams.txt"), "TEAM Ann & Bob\nTEAM Cy & Dee\nTEAM Eve & "
                                                  "Fay\nTEAM Gus <G> & Hal\nTEAM Ivy & Jo\n");
    std::string games;
    const auto game = [&](const char* a, int sa, const char* b, int sb) {
        games += std::string("GAME\n{\n   TEAM1_NAME ") + a + "\n   TEAM1_SCORE " +
                 std::to_string(sa) + "\n   TEAM1_FLAGS 1\n   TEAM2_NAME " + b +
                 "\n   TEAM2_SCORE " + std::to_string(sb) + "\n   TEAM2_FLAGS 0\n}\n";
    };
    game("Ann & Bob", 300, "Cy & Dee", 200);
    game("Ann & Bob", 250, "Eve & Fay", 100);
    game("Cy & Dee", 280, "Eve & Fay", 260);
    game("Gus <G> & Hal", 150, "Eve & Fay", 150);
    game("Gus <G> & Hal", 100, "Ann & Bob", 200);
    writeBytes(dir.file("Tournament1/games.txt"), games);
    for (const char* image : {"title.jpg", "back.jpg"}) {
        const fs::path shipped = fs::path(CORVANE_DEFAULT_IMAGES) / image;
        if (fs::exists(shipped)) {
            fs::copy_file(shipped, dir.file(std::string("Tournament1/") + image));
        } else {
            writeBytes(dir.file(std::string("Tournament1/") + image), "");
        }
    }
}

void expectReferencesResolve(const std::string& dom, const std::string& folder) {
    const auto references = referencedFiles(dom);
    EXPECT_FALSE(references.empty());
    for (const std::string& reference : references) {
        const std::string file = decodeLink(reference);
        EXPECT_EQ(file.find('/'), std::string::npos) << "not a file of the folder: " << reference;
        EXPECT_TRUE(fs::is_regular_file(folder + "/" + file)) << reference;
    }
}

TEST(Browser, LeaderBoardAndTeamPageRenderWithEveryFileInPlace) {
    if (!fs::exists(chromium)) {
        GTEST_SKIP() << chromium << " is missing: install Debian's chromium to run this check";
    }
    TempDir dir;
    TempDir profile;
    writeSampleTournament(dir);
    const auto [published, status] = run(quoted(CORVANE_PUBLISH) + " " + quoted(dir.path()));
    ASSERT_EQ(status, 0) << published;
    const std::string folder = dir.file("Tournament1");

    const auto [board, boardStatus] =
        run(browser(profile, "--dump-dom", folder + "/tournament.html"));
    ASSERT_EQ(boardStatus, 0);
    ASSERT_NE(board.find("</table>"), std::string::npos) << board;
    expectReferencesResolve(board, folder);

    // The numbered rows in standings order, and the team without games apart.
    std::vector<std::vector<std::string>> standings;
    for (const auto& row : tableRows(board)) {
        if (row.size() == 12 && row[0] != "Pos") {
            standings.push_back({row[0], row[1], row[2], row[3], row[4]});
        }
    }
    const std::vector<std::vector<std::string>> expected = {
        {"1st", "Ann & Bob", "3", "0", "100.0"},
        {"2nd", "Cy & Dee", "1", "1", "50.0"},
        {"3rd", "Gus <G> & Hal", "0", "1", "0.0"},
        {"4th", "Eve & Fay", "0", "2", "0.0"},
    };
    EXPECT_EQ(standings, expected);
    EXPECT_NE(board.find("Ivy &amp; Jo"), std::string::npos);

    fs::create_directories(CORVANE_PROOF_OUTPUT);
    const std::string shot = std::string(CORVANE_PROOF_OUTPUT) + "/leader-board.png";
    fs::remove(shot);
    run(browser(profile, "--window-size=1100,800 --screenshot=" + quoted(shot),
                folder + "/tournament.html"));
    EXPECT_GT(fs::exists(shot) ? fs::file_size(shot) : 0, 10000u) << shot;

    // The first team's page: its games, seen from its side, link back to the board.
    std::string teamPage;
    for (const std::string& reference : referencedFiles(board)) {
        if (reference.ends_with(".html") && decodeLink(reference).starts_with("Ann")) {
            teamPage = decodeLink(reference);
        }
    }
    ASSERT_FALSE(teamPage.empty());
    const auto [team, teamStatus] = run(browser(profile, "--dump-dom", folder + "/" + teamPage));
    ASSERT_EQ(teamStatus, 0);
    expectReferencesResolve(team, folder);
    std::size_t gameRows = 0;
    for (const auto& row : tableRows(team)) {
        gameRows += !row.empty() && (row[0].starts_with("W:") || row[0].starts_with("L:"));
    }
    EXPECT_EQ(gameRows, 3u) << team;
    run(browser(profile,
                "--window-size=1100,800 --screenshot=" +
                    quoted(std::string(CORVANE_PROOF_OUTPUT) + "/team-page.png"),
                folder + "/" + teamPage));
}

} // namespace
} // namespace corvane::proof
