#include "reports/TeamPage.h"

#include "reports/PageHead.h"
#include "reports/PageNames.h"
#include "reports/PageText.h"
#include "store/NameCompare.h"

namespace corvane {

GamesByTeam::GamesByTeam(RecordList<GameRecord> games) {
    for (const auto& game : games) {
        std::string first = foldName(game.team1Name);
        std::string second = foldName(game.team2Name);
        byFoldedName_[first].push_back({&game, true});
        // A game naming the same team twice is listed once, as team 1.
        if (second != first) {
            byFoldedName_[std::move(second)].push_back({&game, false});
        }
    }
}

GamesByTeam::GamesByTeam(const TournamentStore& store, std::span<const std::string> teams) {
    struct Wanted {
        std::string_view name;
        std::size_t hash;
        std::vector<TeamGame>* games;
    };
    // One of each name, letter case aside, with its list.
    std::vector<Wanted> wanted;
    for (const std::string& team : teams) {
        const auto [entry, added] = byFoldedName_.try_emplace(foldName(team));
        if (added) {
            wanted.push_back({team, foldedHash(team), &entry->second});
        }
    }
    const auto games = store.games();
    for (const Wanted& team : wanted) {
        for (const std::uint32_t position : store.gamesWithHash(team.hash)) {
            const GameRecord& game = games[position];
            const bool first = namesEqual(game.team1Name, team.name);
            // A game naming the same team twice is listed once, as team 1.
            if (first || namesEqual(game.team2Name, team.name)) {
                team.games->push_back({&game, first});
            }
        }
    }
}

const std::vector<TeamGame>& GamesByTeam::gamesOf(std::string_view teamName) const {
    static const std::vector<TeamGame> none;
    const auto found = byFoldedName_.find(foldName(teamName));
    return found == byFoldedName_.end() ? none : found->second;
}

namespace {

// A game as the page's team saw it.
struct GameSide {
    const std::string* opponent;
    std::int32_t ownScore;
    std::int32_t opponentScore;
    std::int32_t ownFlags;
    std::int32_t opponentFlags;
};

GameSide sideOf(const TeamGame& teamGame) {
    const GameRecord& game = *teamGame.game;
    if (teamGame.asTeam1) {
        return {&game.team2Name, game.team1Score, game.team2Score, game.team1Flags,
                game.team2Flags};
    }
    return {&game.team1Name, game.team2Score, game.team1Score, game.team2Flags, game.team1Flags};
}

void appendHeading(PageText& page, const TeamRecord& team) {
    page.line("<table width=\"800\" border=\"0\" align=\"center\" cellpadding=\"0\" "
              "cellspacing=\"0\">")
        .line("<tr>")
        .text("<td><div align=\"center\"><span class=\"style24\"><span class=\"style27\"> ")
        .name(team.firstPlayer)
        .text(" &amp; ")
        .name(team.secondPlayer)
        .text("</span></span><br>")
        .text("<span class=\"style28\"><br>Record: ")
        .number(team.wins)
        .text(" - ")
        .number(team.losses)
        .text("</span>\n")
        .line("</div></td></tr></table>")
        .line("<table width=\"650\" border=\"0\" align=\"center\" cellpadding=\"0\" "
              "cellspacing=\"0\"><tr>")
        .line("<td width=\"250\" height=\"25\" bgcolor=\"#FFCC66\"><span "
              "class=\"style22\">&nbsp;Opponent</span></td>");
    for (const char* caption : {"Score", "Opp. Score", "Margin", "Flags Given", "Flagged"}) {
        page.text("<td width=\"80\" bgcolor=\"#FFCC66\" align=\"center\"><span class=\"style22\">")
            .text(caption)
            .line("</span></td>");
    }
    page.line("</tr>");
}

void appendGameRow(PageText& page, int row, const GameSide& side) {
    const std::int64_t margin = std::int64_t{side.ownScore} - side.opponentScore;
    // An equal score is neither a win nor a loss, so it gets a cell of its own.
    const char* result = margin > 0   ? "#00DD11\"><span class=\"style23\">&nbsp;<b>W:"
                         : margin < 0 ? "#DD0011\"><span class=\"style23\">&nbsp;<b>L:"
                                      : "#BBBBBB\"><span class=\"style23\">&nbsp;<b>T:";
    page.line("<tr>")
        .text("<td height=\"25\" bgcolor=\"")
        .text(result)
        .text("</b>&nbsp;&nbsp;")
        .name(*side.opponent)
        .text("</span></td>");
    const std::string_view shade = rowShade(row);
    for (const std::int64_t value :
         {std::int64_t{side.ownScore}, std::int64_t{side.opponentScore}, margin,
          std::int64_t{side.ownFlags}, std::int64_t{side.opponentFlags}}) {
        page.text("<td bgcolor=\"")
            .text(shade)
            .text("\" align=\"center\"><span class=\"style23\">")
            .number(value)
            .text("</span></td>");
    }
    page.line("</tr>");
}

void appendRemainingOpponents(PageText& page, const TeamRecord& opponentsOwner) {
    page.line("</table>")
        .line("<table width=\"250\" border=\"0\" align=\"center\" cellpadding=\"0\" "
              "cellspacing=\"0\">")
        .line("<tr><td>&nbsp;</td></tr>\n")
        .line("<tr><td>&nbsp;</td></tr>\n")
        .line("<tr><td bgcolor=\"#FFCC66\" align=\"center\" height=\"25\"><span "
              "class=\"style23\"><b>Remaining Teams to Play</b></span></td></tr>\n");
    int row = 0;
    for (const OpponentEntry& entry : opponentsOwner.opponents()) {
        if (entry.played != 0) {
            continue;
        }
        page.text("<tr><td bgcolor=\"")
            .text(rowShade(++row))
            .text("\" align=\"center\" height=\"25\"><span class=\"style23\">")
            .name(entry.opponentName)
            .text("</span></td></tr>\n");
    }
    if (row == 0) {
        page.line("<tr><td bgcolor=\"#FFFFFF\" align=\"center\" height=\"25\"><span "
                  "class=\"style23\">None</span></td></tr>\n");
    }
}

} // namespace

void appendTeamPage(std::string& out, const TeamRecord& team, const std::vector<TeamGame>& games,
                    const TeamRecord& opponentsOwner) {
    appendPageHead(out, PageKind::teamPage);
    PageText page(out);
    appendHeading(page, team);
    int row = 0;
    for (const TeamGame& game : games) {
        appendGameRow(page, ++row, sideOf(game));
    }
    appendRemainingOpponents(page, opponentsOwner);
    page.line("<tr><td>&nbsp;</td></tr>\n")
        .line("<tr><td>&nbsp;</td></tr>\n")
        .text("<tr><td bgcolor=\"#FFEEAA\" align=\"center\" height=\"25\"><span "
              "class=\"style23\"><a href=\"")
        .text(leaderBoardFileName)
        .line("\"><b>Back to Leader Board page</b></a></span></td></tr>\n")
        .line("</table>")
        .line("</body></html>");
}

} // namespace corvane
