// The pages of a small tournament, compared byte for byte with text read through by eye:
// a leader board with both position forms and a team without games, and a team
// page with a loss, a win recorded under other letter case and a tie.
#include "ReportFixture.h"
#include "reports/WriteReports.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

const char* const expectedLeaderBoard =
    R"html(<head><meta charset="utf-8"><title>Corvane Tournament Results</title><style type="text/css">
<!--
body { background-image: url(back.jpg); }
.style22 {font-family: Arial, Helvetica, sans-serif; font-weight: bold; font-size: 12; }
.style23 {font-family: Arial, Helvetica, sans-serif; font-size: 12; }
.style24 {color: #FFFFFF; font-family: Arial, Helvetica, sans-serif; font-weight: bold; font-size: 24px; }
.style25 {font-size: 14px; font-style: italic; }
.style26 {font-family: Arial, Helvetica, sans-serif; font-size: 24px; color: #FFFFFF;}
.style27 {color: #FFFFCC}
-->
</style></head><body>
<p align="center"><img src="title.jpg" width="800" height="100" /></p>
<table width="900" border="0" align="center" cellpadding="0" cellspacing="0">
<tr>
<td><div align="center"><span class="style26"><span class="style25">Tournament Results</span></span><span class="style24"><br>
<span class="style27"> Leader Board</span></span><br>
</div></td></tr></table><br>
<table width="980" border="0" align="center" cellpadding="0" cellspacing="0">
<tr>
<td height="30" width="45" bgcolor="#FFCC66"><span class="style22">&nbsp;Pos</span></td>
<td width="250" bgcolor="#FFCC66"><span class="style22">Team</span></td>
<td width="30" bgcolor="#FFCC66"><span class="style22">W</span></td>
<td width="30" bgcolor="#FFCC66"><span class="style22">L</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">Win %</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">Avg Score</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">Opp Score</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">Margin</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">High Score</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">Low Score</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">Flags Given</span></td>
<td width="80" bgcolor="#FFCC66"><span class="style22">Flagged</span></td>
</tr>
<tr>
<td height="25" bgcolor="#FFFFFF"><span class="style23">&nbsp;1st </span></td>
<td bgcolor="#FFFFFF"><span class="style23"><a href="CidDee.html">Cid &amp; Dee</a></span></td>
<td bgcolor="#FFFFFF"><span class="style23">2</span></td>
<td bgcolor="#FFFFFF"><span class="style23">0</span></td>
<td bgcolor="#FFFFFF"><span class="style23">100.0</span></td>
<td bgcolor="#FFFFFF"><span class="style23">175.0</span></td>
<td bgcolor="#FFFFFF"><span class="style23">85.0</span></td>
<td bgcolor="#FFFFFF"><span class="style23">90.0</span></td>
<td bgcolor="#FFFFFF"><span class="style23">200</span></td>
<td bgcolor="#FFFFFF"><span class="style23">150</span></td>
<td bgcolor="#FFFFFF"><span class="style23">1</span></td>
<td bgcolor="#FFFFFF"><span class="style23">6</span></td>
</tr>
<tr>
<td height="25" bgcolor="#EEEEEE"><span class="style23">&nbsp;2nd </span></td>
<td bgcolor="#EEEEEE"><span class="style23"><a href="AnnBob.html">Ann &amp; Bob</a></span></td>
<td bgcolor="#EEEEEE"><span class="style23">1</span></td>
<td bgcolor="#EEEEEE"><span class="style23">1</span></td>
<td bgcolor="#EEEEEE"><span class="style23">33.3</span></td>
<td bgcolor="#EEEEEE"><span class="style23">116.7</span></td>
<td bgcolor="#EEEEEE"><span class="style23">113.3</span></td>
<td bgcolor="#EEEEEE"><span class="style23">3.3</span></td>
<td bgcolor="#EEEEEE"><span class="style23">140</span></td>
<td bgcolor="#EEEEEE"><span class="style23">90</span></td>
<td bgcolor="#EEEEEE"><span class="style23">6</span></td>
<td bgcolor="#EEEEEE"><span class="style23">2</span></td>
</tr>
<tr>
<td height="25" bgcolor="#FFFFFF"><span class="style23">&nbsp;3rd </span></td>
<td bgcolor="#FFFFFF"><span class="style23"><a href="GusHal.html">Gus &amp; Hal</a></span></td>
<td bgcolor="#FFFFFF"><span class="style23">1</span></td>
<td bgcolor="#FFFFFF"><span class="style23">1</span></td>
<td bgcolor="#FFFFFF"><span class="style23">33.3</span></td>
<td bgcolor="#FFFFFF"><span class="style23">90.0</span></td>
<td bgcolor="#FFFFFF"><span class="style23">133.3</span></td>
<td bgcolor="#FFFFFF"><span class="style23">-43.3</span></td>
<td bgcolor="#FFFFFF"><span class="style23">130</span></td>
<td bgcolor="#FFFFFF"><span class="style23">50</span></td>
<td bgcolor="#FFFFFF"><span class="style23">7</span></td>
<td bgcolor="#FFFFFF"><span class="style23">2</span></td>
</tr>
<tr>
<td height="25" bgcolor="#EEEEEE"><span class="style23">&nbsp;4th </span></td>
<td bgcolor="#EEEEEE"><span class="style23"><a href="EveFay.html">Eve &amp; Fay</a></span></td>
<td bgcolor="#EEEEEE"><span class="style23">0</span></td>
<td bgcolor="#EEEEEE"><span class="style23">2</span></td>
<td bgcolor="#EEEEEE"><span class="style23">0.0</span></td>
<td bgcolor="#EEEEEE"><span class="style23">105.0</span></td>
<td bgcolor="#EEEEEE"><span class="style23">135.0</span></td>
<td bgcolor="#EEEEEE"><span class="style23">-30.0</span></td>
<td bgcolor="#EEEEEE"><span class="style23">110</span></td>
<td bgcolor="#EEEEEE"><span class="style23">100</span></td>
<td bgcolor="#EEEEEE"><span class="style23">1</span></td>
<td bgcolor="#EEEEEE"><span class="style23">5</span></td>
</tr>
</table>
<table width="250" border="0" align="center" cellpadding="0" cellspacing="0">
<tr><td>&nbsp;</td></tr>

<tr><td>&nbsp;</td></tr>

<tr><td bgcolor="#FFCC66" align="center" height="25"><span class="style23"><b>Teams with 0 games completed</b></span></td></tr>

<tr><td bgcolor="#FFFFFF" align="center" height="25"><span class="style23"><a href="IvyJosé.html">Ivy &amp; José</a></span></td></tr>
</table></body></html>
)html";

const char* const expectedAnnBobPage =
    R"html(<head><meta charset="utf-8"><title>Corvane Tournament Results</title><style type="text/css">
<!--
body { background-image: url(back.jpg); }
.style22 {font-family: Arial, Helvetica, sans-serif; font-weight: bold; font-size: 12; }
.style23 {font-family: Arial, Helvetica, sans-serif; font-size: 12; }
.style24 {color: #FFFFFF; font-family: Arial, Helvetica, sans-serif; font-weight: bold; font-size: 24px; }
.style25 {font-size: 14px; font-style: italic; }
.style26 {font-family: Arial, Helvetica, sans-serif; font-size: 24px; color: #FFFFFF;}
.style27 {color: #FFFFCC}
.style28 {color: #FFFFCC; font-family: Arial, Helvetica, sans-serif; font-weight: font-size: 18px; }
-->
</style></head><body>
<p align="center"><img src="title.jpg" width="800" height="100" /></p>
<table width="800" border="0" align="center" cellpadding="0" cellspacing="0">
<tr>
<td><div align="center"><span class="style24"><span class="style27"> Ann &amp; Bob</span></span><br><span class="style28"><br>Record: 1 - 1</span>
</div></td></tr></table>
<table width="650" border="0" align="center" cellpadding="0" cellspacing="0"><tr>
<td width="250" height="25" bgcolor="#FFCC66"><span class="style22">&nbsp;Opponent</span></td>
<td width="80" bgcolor="#FFCC66" align="center"><span class="style22">Score</span></td>
<td width="80" bgcolor="#FFCC66" align="center"><span class="style22">Opp. Score</span></td>
<td width="80" bgcolor="#FFCC66" align="center"><span class="style22">Margin</span></td>
<td width="80" bgcolor="#FFCC66" align="center"><span class="style22">Flags Given</span></td>
<td width="80" bgcolor="#FFCC66" align="center"><span class="style22">Flagged</span></td>
</tr>
<tr>
<td height="25" bgcolor="#DD0011"><span class="style23">&nbsp;<b>L:</b>&nbsp;&nbsp;Cid &amp; Dee</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">120</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">150</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">-30</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">2</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">1</span></td></tr>
<tr>
<td height="25" bgcolor="#00DD11"><span class="style23">&nbsp;<b>W:</b>&nbsp;&nbsp;Eve &amp; Fay</span></td><td bgcolor="#EEEEEE" align="center"><span class="style23">140</span></td><td bgcolor="#EEEEEE" align="center"><span class="style23">100</span></td><td bgcolor="#EEEEEE" align="center"><span class="style23">40</span></td><td bgcolor="#EEEEEE" align="center"><span class="style23">3</span></td><td bgcolor="#EEEEEE" align="center"><span class="style23">0</span></td></tr>
<tr>
<td height="25" bgcolor="#BBBBBB"><span class="style23">&nbsp;<b>T:</b>&nbsp;&nbsp;Gus &amp; Hal</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">90</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">90</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">0</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">1</span></td><td bgcolor="#FFFFFF" align="center"><span class="style23">1</span></td></tr>
</table>
<table width="250" border="0" align="center" cellpadding="0" cellspacing="0">
<tr><td>&nbsp;</td></tr>

<tr><td>&nbsp;</td></tr>

<tr><td bgcolor="#FFCC66" align="center" height="25"><span class="style23"><b>Remaining Teams to Play</b></span></td></tr>

<tr><td bgcolor="#FFFFFF" align="center" height="25"><span class="style23">Ivy &amp; José</span></td></tr>
<tr><td>&nbsp;</td></tr>

<tr><td>&nbsp;</td></tr>

<tr><td bgcolor="#FFEEAA" align="center" height="25"><span class="style23"><a href="tournament.html"><b>Back to Leader Board page</b></a></span></td></tr>

</table>
</body></html>
)html";

void buildTournament(ReportFixture& t) {
    setStatistics(t.addTeam("Ann", "Bob"), 3, 1, 1, 350, 340, 6, 2, 140, 90);
    setStatistics(t.addTeam("Cid", "Dee"), 2, 2, 0, 350, 170, 1, 6, 200, 150);
    setStatistics(t.addTeam("Eve", "Fay"), 2, 0, 2, 210, 270, 1, 5, 110, 100);
    setStatistics(t.addTeam("Gus", "Hal"), 3, 1, 1, 270, 400, 7, 2, 130, 50);
    t.addTeam("Ivy", "Jos\xC3\xA9");
    t.linkOpponents();
    t.addGame(120, 150, 2, 1, "Ann & Bob", "Cid & Dee");
    t.addGame(100, 140, 0, 3, "Eve & Fay", "ann & bob");
    t.addGame(90, 90, 1, 1, "Ann & Bob", "Gus & Hal");
    t.addGame(200, 50, 0, 4, "Cid & Dee", "Gus & Hal");
    t.addGame(130, 110, 2, 1, "Gus & Hal", "Eve & Fay");
}

TEST(GoldenPages, SmallTournamentPagesAreExactAndRepeatable) {
    ReportFixture t;
    buildTournament(t);

    const ReportOutcome first = writeReports(t.store);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.written.size(), 6u);
    EXPECT_EQ(t.readPage("tournament.html"), expectedLeaderBoard);
    EXPECT_EQ(t.readPage("AnnBob.html"), expectedAnnBobPage);

    std::vector<std::string> order;
    for (const auto& team : t.store.teams) {
        order.push_back(team->teamName);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Cid & Dee", "Ann & Bob", "Gus & Hal",
                                               "Ivy & Jos\xC3\xA9", "Eve & Fay"}));

    // Publishing again without a change rewrites the same bytes.
    std::vector<std::string> before;
    for (const std::string& path : first.written) {
        before.push_back(t.readPage(std::filesystem::path(path).filename().string()));
    }
    const ReportOutcome second = writeReports(t.store);
    ASSERT_TRUE(second.ok());
    ASSERT_EQ(second.written, first.written);
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(t.readPage(std::filesystem::path(second.written[i]).filename().string()),
                  before[i]);
    }
}

} // namespace
} // namespace corvane::testing
