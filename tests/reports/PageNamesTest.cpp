#include "reports/PageNames.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

std::unique_ptr<TeamRecord> team(const std::string& first, const std::string& second) {
    auto record = std::make_unique<TeamRecord>();
    record->firstPlayer = first;
    record->secondPlayer = second;
    record->teamName = first + " & " + second;
    return record;
}

std::string pageOf(const std::string& first, const std::string& second) {
    return teamPageName(*team(first, second));
}

TEST(TeamPageName, PlainNamesStayAndUnsafeOnesBecomeSafe) {
    EXPECT_EQ(pageOf("A", "B"), "AB.html");
    EXPECT_EQ(pageOf("Jos\xC3\xA9 ", "Mar\xC3\xAD"
                                     "a O'Neil"),
              "Jos\xC3\xA9 Mar\xC3\xAD"
              "a O'Neil.html");

    EXPECT_EQ(pageOf("../../etc/", "passwd"), "_._.._etc_passwd.html");
    EXPECT_EQ(pageOf("..", ""), "__.html");
    EXPECT_EQ(pageOf("a\\b:c*d?e", "\"f<g>h|i"), "a_b_c_d_e_f_g_h_i.html");
    EXPECT_EQ(pageOf("tab\tnew\nline", "\x7F"), "tab_new_line_.html");
    EXPECT_EQ(pageOf(".hidden", "x"), "_hiddenx.html");
    EXPECT_EQ(pageOf("Ann", "Lee."), "AnnLee_.html");
    EXPECT_EQ(pageOf("Ann", "Lee "), "AnnLee_.html");
    EXPECT_EQ(pageOf("", ""), "_.html");
    EXPECT_EQ(pageOf("bad\xFF", "\xC3"), "bad__.html");

    for (const char* device : {"CON", "prn", "Aux", "nul", "COM1", "com9", "LPT1", "lpt9"}) {
        EXPECT_EQ(pageOf(device, ""), std::string("_") + device + ".html") << device;
    }
    EXPECT_EQ(pageOf("nul", ".txt"), "_nul.txt.html");
    EXPECT_EQ(pageOf("CON ", ".x"), "_CON .x.html");
    EXPECT_EQ(pageOf("CON", "SOLE"), "CONSOLE.html");
    EXPECT_EQ(pageOf("COM", "10"), "COM10.html");
}

TEST(TeamPageName, LengthIsBoundedAtACharacterBoundary) {
    std::string accents;
    for (int i = 0; i < 150; ++i) {
        accents += "\xC3\xA9"; // two bytes each
    }
    const std::string name = pageOf("x", accents); // 301 bytes wanted
    const std::string stem = name.substr(0, name.size() - 5);
    EXPECT_EQ(name.substr(stem.size()), ".html");
    EXPECT_EQ(stem.size(), 199u); // "x" and 99 whole characters
    EXPECT_EQ(stem.substr(stem.size() - 2), "\xC3\xA9");
    EXPECT_LE(pageOf(std::string(500, 'a'), "").size(), maxPageStemBytes + 5);
}

TEST(TeamPageName, SharedNamesGetDistinctDeterministicSuffixes) {
    std::vector<std::unique_ptr<TeamRecord>> teams;
    teams.push_back(team("AB", "D"));
    teams.push_back(team("A", "BD"));
    teams.push_back(team("ab", "d"));        // the same file where case is ignored
    teams.push_back(team("ABD-", "2"));      // asks for a name a suffix already took
    teams.push_back(team("tourna", "ment")); // would replace the leader board
    teams.push_back(team("A/B", "D"));
    teams.push_back(team("A_B", "D"));

    const std::vector<std::string> names = uniqueTeamPageNames(teams);
    const std::vector<std::string> expected = {"ABD.html",     "ABD-2.html",        "abd-3.html",
                                               "ABD-2-2.html", "tournament-2.html", "A_BD.html",
                                               "A_BD-2.html"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(uniqueTeamPageNames(teams), expected);
}

} // namespace
} // namespace corvane::testing
