// The leader board and a team page of the published sample tournament (four
// teams that played, with a win streak, a tie and a loss, one that did not,
// and a player whose name holds markup), loaded in a real browser (headless
// Chromium): every image and link resolves to a file of the tournament
// folder, and the rendered tables hold the right rows.
#include "TempDir.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

namespace {

using corvane::testing::TempDir;
namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const std::string chromium = "/usr/bin/chromium";

std::string quoted(const std::string& text) {
    return "'" + std::regex_replace(text, std::regex("'"), "'\\''") + "'";
}

// Runs `command` through the shell and returns its standard output.
std::string run(const std::string& command) {
    std::string out(1 << 20, '\0');
    FILE* pipe = ::popen(command.c_str(), "r");
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    EXPECT_EQ(::pclose(pipe), 0) << command;
    return out;
}

// Headless Chromium on a page of the tournament folder: its DOM, or what `action` asks.
std::string browse(const TempDir& dir, const std::string& page,
                   const std::string& action = "--dump-dom") {
    return run("timeout 120 " + chromium + " --headless --no-sandbox --disable-gpu " +
               "--no-first-run --disable-dev-shm-usage --hide-scrollbars --window-size=1100,800 " +
               "--user-data-dir=" + quoted(dir.file("profile")) + " " + action + " " +
               quoted("file://" + dir.file("Tournament1/" + page)) + " 2>/dev/null");
}

// Markup as a reader sees it: cells ended by "|", no tags, entities resolved.
std::string visible(std::string html) {
    static const char* const rules[] = {
        "</td>", "|", "<[^>]*>", "",  "&nbsp;|\xC2\xA0", " ", "\\s*\\|\\s*", "|", "^\\s+|\\s+$", "",
        "&lt;",  "<", "&gt;",    ">", "&amp;",           "&"};
    for (std::size_t i = 0; i < std::size(rules); i += 2) {
        html = std::regex_replace(html, std::regex(rules[i]), rules[i + 1]);
    }
    return html;
}

// The part matching `pattern` of each table row that has one.
Texts rows(const std::string& dom, const std::string& pattern) {
    Texts found;
    std::smatch match;
    static const std::regex row("<tr[^>]*>([\\s\\S]*?)</tr>");
    for (std::sregex_iterator r(dom.begin(), dom.end(), row), end; r != end; ++r) {
        const std::string text = visible((*r)[1]);
        if (std::regex_search(text, match, std::regex(pattern))) {
            found.push_back(match[0]);
        }
    }
    return found;
}

// Every src=, href= and CSS url(); each must name a file of the folder.
Texts checkReferences(const TempDir& dir, const std::string& dom) {
    static const std::regex reference(R"((?:src|href)="([^"]*)\"|url\(([^)]*)\))");
    Texts files;
    for (std::sregex_iterator r(dom.begin(), dom.end(), reference), end; r != end; ++r) {
        files.push_back(visible((*r)[(*r)[1].matched ? 1 : 2]));
        EXPECT_EQ(files.back().find('/'), std::string::npos) << files.back();
        EXPECT_TRUE(fs::is_regular_file(dir.file("Tournament1/" + files.back()))) << files.back();
    }
    return files;
}

TEST(Browser, LeaderBoardAndTeamPageRenderWithEveryFileInPlace) {
    if (!fs::exists(chromium)) {
        GTEST_SKIP() << chromium << " is missing: install Debian's chromium to run this check";
    }
    TempDir dir;
    fs::copy(CORVANE_PROOF_SAMPLE, dir.path(), fs::copy_options::recursive);
    for (const char* image : {"title.jpg", "back.jpg"}) {
        fs::copy_file(fs::path(CORVANE_DEFAULT_IMAGES) / image, dir.file("Tournament1/") + image);
    }
    run(quoted(CORVANE_PUBLISH) + " " + quoted(dir.path()));
    fs::create_directories(CORVANE_PROOF_OUTPUT);

    // The numbered rows, first five columns, in standings order; the team without games apart.
    const std::string board = browse(dir, "tournament.html");
    EXPECT_EQ(rows(board, "^\\d+(st|nd|rd|th)(\\|[^|]*){4}"),
              (Texts{"1st|Ann & Bob|3|0|100.0", "2nd|Cy & Dee|1|1|50.0",
                     "3rd|Gus <G> & Hal|0|1|0.0", "4th|Eve & Fay|0|2|0.0"}));
    EXPECT_EQ(rows(board, "^Ivy & Jo(?=\\|$)"), Texts{"Ivy & Jo"});
    const std::string shot = CORVANE_PROOF_OUTPUT "/leader-board.png";
    browse(dir, "tournament.html", "--screenshot=" + quoted(shot));
    EXPECT_GT(fs::file_size(shot), 10000u);

    // The first team's page: its games, seen from its side, and a link back to the board.
    EXPECT_EQ(std::ranges::count(checkReferences(dir, board), "AnnBob.html"), 1);
    const std::string team = browse(dir, "AnnBob.html");
    EXPECT_EQ(rows(team, "^[WLT]:.*?(?=\\|)"),
              (Texts{"W:  Cy & Dee", "W:  Eve & Fay", "W:  Gus <G> & Hal"}));
    EXPECT_EQ(std::ranges::count(checkReferences(dir, team), "tournament.html"), 1);
}

} // namespace
