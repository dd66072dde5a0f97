#include "reports/LeaderBoard.h"

#include "reports/PageHead.h"
#include "reports/PageText.h"
#include "reports/Standings.h"

#include <string_view>

namespace corvane {

namespace {

void appendTitleAndHeader(PageText& page) {
    appendTitleBlock(page, "Leader Board");
    page.line("<table width=\"980\" border=\"0\" align=\"center\" cellpadding=\"0\" "
              "cellspacing=\"0\">")
        .line("<tr>")
        .line("<td height=\"30\" width=\"45\" bgcolor=\"#FFCC66\"><span "
              "class=\"style22\">&nbsp;Pos</span></td>")
        .line("<td width=\"250\" bgcolor=\"#FFCC66\"><span class=\"style22\">Team</span></td>");
    struct Column {
        std::string_view width;
        std::string_view caption;
    };
    static constexpr Column columns[] = {
        {"30", "W"},           {"30", "L"},      {"80", "Win %"},      {"80", "Avg Score"},
        {"80", "Opp Score"},   {"80", "Margin"}, {"80", "High Score"}, {"80", "Low Score"},
        {"80", "Flags Given"}, {"80", "Flagged"}};
    for (const Column& column : columns) {
        page.text("<td width=\"")
            .text(column.width)
            .text("\" bgcolor=\"#FFCC66\"><span class=\"style22\">")
            .text(column.caption)
            .line("</span></td>");
    }
    page.line("</tr>");
}

PageText& openCell(PageText& page, std::string_view shade) {
    return page.text("<td bgcolor=\"").text(shade).text("\"><span class=\"style23\">");
}

void appendNumberCell(PageText& page, std::string_view shade, std::int64_t value) {
    openCell(page, shade).number(value).text("</span></td>\n");
}

void appendDecimalCell(PageText& page, std::string_view shade, double value) {
    openCell(page, shade).oneDecimal(value).text("</span></td>\n");
}

void appendStandingsRow(PageText& page, int position, const TeamRecord& team,
                        const std::string& pageName) {
    const std::string_view shade = rowShade(position);
    page.line("<tr>")
        .text("<td height=\"25\" bgcolor=\"")
        .text(shade)
        .text("\"><span class=\"style23\">&nbsp;")
        .text(positionLabel(position))
        .text(" </span></td>\n");
    openCell(page, shade)
        .text("<a href=\"")
        .link(pageName)
        .text("\">")
        .name(team.teamName)
        .text("</a></span></td>\n");
    appendNumberCell(page, shade, team.wins);
    appendNumberCell(page, shade, team.losses);
    appendDecimalCell(page, shade, winPercentage(team));
    appendDecimalCell(page, shade, team.averageScore);
    appendDecimalCell(page, shade, team.averageOpponentScore);
    appendDecimalCell(page, shade, team.averageMargin);
    appendNumberCell(page, shade, team.highScore);
    appendNumberCell(page, shade, team.lowScore);
    appendNumberCell(page, shade, team.flagsGiven);
    appendNumberCell(page, shade, team.flagged);
    page.line("</tr>");
}

void appendTeamsWithoutGames(PageText& page, RecordList<TeamRecord> teams,
                             const std::vector<std::string>& pageNames) {
    page.line("<table width=\"250\" border=\"0\" align=\"center\" cellpadding=\"0\" "
              "cellspacing=\"0\">")
        .line("<tr><td>&nbsp;</td></tr>\n")
        .line("<tr><td>&nbsp;</td></tr>\n")
        .line("<tr><td bgcolor=\"#FFCC66\" align=\"center\" height=\"25\"><span "
              "class=\"style23\"><b>Teams with 0 games completed</b></span></td></tr>\n");
    int row = 0;
    for (std::size_t i = 0; i < teams.size(); ++i) {
        if (teams[i].gamesPlayed != 0) {
            continue;
        }
        page.text("<tr><td bgcolor=\"")
            .text(rowShade(++row))
            .text("\" align=\"center\" height=\"25\"><span class=\"style23\"><a href=\"")
            .link(pageNames[i])
            .text("\">")
            .name(teams[i].teamName)
            .text("</a></span></td></tr>\n");
    }
    if (row == 0) {
        page.line("<tr><td bgcolor=\"#FFFFFF\" align=\"center\" height=\"25\"><span "
                  "class=\"style23\">None</span></td></tr>");
    }
}

} // namespace

void appendLeaderBoard(std::string& out, RecordList<TeamRecord> teams,
                       const std::vector<std::string>& pageNames) {
    appendPageHead(out, PageKind::leaderBoard);
    PageText page(out);
    appendTitleAndHeader(page);
    int position = 0;
    for (std::size_t i = 0; i < teams.size(); ++i) {
        if (teams[i].gamesPlayed > 0) {
            appendStandingsRow(page, ++position, teams[i], pageNames[i]);
        }
    }
    page.line("</table>");
    appendTeamsWithoutGames(page, teams, pageNames);
    page.line("</table></body></html>");
}

} // namespace corvane
