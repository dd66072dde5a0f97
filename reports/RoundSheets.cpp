#include "reports/RoundSheets.h"

#include "reports/PageFile.h"
#include "reports/PageHead.h"
#include "reports/PageNames.h"
#include "reports/PageText.h"
#include "reports/WriteReports.h"
#include "store/TournamentStore.h"

namespace corvane {

namespace {

constexpr int sheetColumns = 7;

void openTable(PageText& page, int round) {
    page.line("<table class=\"sheet\" width=\"800\" border=\"1\" align=\"center\" "
              "cellpadding=\"6\" cellspacing=\"0\">");
    if (round > 0) {
        page.text("<tr><th colspan=\"7\">Round ").number(round).line("</th></tr>");
    }
    page.line("<tr><th width=\"50\">Table</th><th width=\"250\">Team 1</th><th "
              "width=\"60\">Score</th><th width=\"60\">Flags</th><th width=\"250\">Team "
              "2</th><th width=\"60\">Score</th><th width=\"60\">Flags</th></tr>");
}

void closeTable(PageText& page) {
    page.line("</table><br>");
}

// A table's row: its number, each team followed by an empty box for its score
// and one for its flags. A bye has no boxes.
void appendRow(PageText& page, int shadeRow, const SeatingRow& row,
               const std::vector<std::string>& names) {
    page.text("<tr bgcolor=\"").text(rowShade(shadeRow)).text("\"><td>");
    if (row.isBye()) {
        page.text("Bye</td><td>")
            .name(names[static_cast<std::size_t>(row.team1)])
            .line("</td><td colspan=\"5\"></td></tr>");
        return;
    }
    page.number(row.table)
        .text("</td><td>")
        .name(names[static_cast<std::size_t>(row.team1)])
        .text("</td><td></td><td></td><td>")
        .name(names[static_cast<std::size_t>(row.team2)])
        .line("</td><td></td><td></td></tr>");
}

void appendNone(PageText& page) {
    page.text("<tr bgcolor=\"").text(rowShade(1)).text("\"><td colspan=\"");
    page.number(sheetColumns).line("\">None</td></tr>");
}

std::string sheet(std::string_view title, std::span<const SeatingRow> rows,
                  const std::vector<std::string>& names) {
    std::string out;
    appendPageHead(out, PageKind::roundSheet);
    PageText page(out);
    appendTitleBlock(page, title);
    if (rows.empty()) {
        openTable(page, 0);
        appendNone(page);
        closeTable(page);
    }
    int shadeRow = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 0 || rows[i].round != rows[i - 1].round) {
            if (i > 0) {
                closeTable(page);
            }
            openTable(page, rows[i].round);
            shadeRow = 0;
        }
        appendRow(page, ++shadeRow, rows[i], names);
    }
    if (!rows.empty()) {
        closeTable(page);
    }
    page.text("<p align=\"center\"><span class=\"style23\"><a href=\"")
        .text(leaderBoardFileName)
        .line("\"><b>Back to Leader Board page</b></a></span></p>")
        .line("</body></html>");
    return out;
}

} // namespace

std::string nextRoundSheet(std::span<const SeatingRow> rows,
                           const std::vector<std::string>& names) {
    return sheet("Next Round", rows, names);
}

std::string scheduleSheet(std::span<const SeatingRow> rows, const std::vector<std::string>& names) {
    return sheet("Schedule", rows, names);
}

SaveResult writeRoundSheet(const TournamentStore& store, std::string_view fileName,
                           const std::string& page) {
    const std::string path = store.filePath(fileName);
    if (SaveResult allowed = pageAllowed(store, path); !allowed) {
        return allowed;
    }
    return replaceTextPage(path, page);
}

} // namespace corvane
