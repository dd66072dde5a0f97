#include "reports/PageNames.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(TeamPageName, PlainNamesStayAndUnsafeOnesBecomeSafe) {
    std::string accents; // 150 two-byte characters: cut at a character boundary
    for (int i = 0; i < 150; ++i)
        accents += "\xC3\xA9";
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"A", "B", "AB.html"},
        {"Jos\xC3\xA9 ", "O'Neil", "Jos\xC3\xA9 O'Neil.html"},
        {"../../etc/", "passwd", "_._.._etc_passwd.html"},
        {"a\\b:c*d?e", "\"f<g>h|i\t\n\x7F", "a_b_c_d_e_f_g_h_i___.html"},
        {".hidden", "x", "_hiddenx.html"},
        {"Ann", "Lee.", "AnnLee_.html"},
        {"Ann", "Lee ", "AnnLee_.html"},
        {"", "", "_.html"},
        {"bad\xFF", "\xC3", "bad__.html"},
        {"CON", "", "_CON.html"},
        {"nul", ".txt", "_nul.txt.html"},
        {"CON ", ".x", "_CON .x.html"},
        {"lpt9", "", "_lpt9.html"},
        {"CON", "SOLE", "CONSOLE.html"},
        {"COM", "10", "COM10.html"},
        {"x", accents, "x" + accents.substr(0, 198) + ".html"},
        {std::string(500, 'a'), "", std::string(maxPageStemBytes, 'a') + ".html"}};
    for (const auto& [first, second, page] : cases) {
        TeamRecord team;
        team.firstPlayer = first;
        team.secondPlayer = second;
        EXPECT_EQ(teamPageName(team), page) << first << second;
    }
}

} // namespace
} // namespace corvane::testing
