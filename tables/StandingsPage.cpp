#include "tables/StandingsPage.h"

#include "reports/PageText.h"
#include "reports/Standings.h"

#include <algorithm>

namespace corvane::tables {

std::string boardRows(const TournamentStore& store) {
    std::string out;
    PageText page(out);
    int place = 0;
    for (const TeamRecord* team : standingsOrder(store.teams())) {
        page.text("<tr><td>").text(positionLabel(++place)).text("</td><td>").name(team->teamName);
        page.text("</td><td>").number(team->wins).text("</td><td>").number(team->losses);
        page.text("</td><td>").oneDecimal(winPercentage(*team)).text("</td><td>");
        page.number(team->pointsFor).line("</td></tr>");
    }
    return out;
}

std::string standingsPage(const std::string& rows) {
    std::string out;
    PageText page(out);
    page.line("<!DOCTYPE html>")
        .line("<html><head><meta charset=\"utf-8\">")
        .line("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")
        .line("<title>Standings</title><style>")
        .line("body{font-family:sans-serif;margin:0.5em;background:#fff;color:#000}")
        .line("table{border-collapse:collapse;width:100%}")
        .line("th,td{padding:0.3em;border-bottom:1px solid #ccc;text-align:left}")
        .line("tr:nth-child(even){background:#eef}")
        .line("</style></head><body><h1>Standings</h1>")
        .line("<table><thead><tr><th>Place</th><th>Team</th><th>Won</th><th>Lost</th>"
              "<th>Win %</th><th>Points</th></tr></thead>")
        .text("<tbody id=\"rows\">")
        .text(rows)
        .line("</tbody></table>")
        .line("<script>")
        .line("(function(){var shown='';")
        .line(
            "function show(t){if(t!==shown){shown=t;document.getElementById('rows').innerHTML=t;}}")
        .line("function ask(){var r=new XMLHttpRequest();r.open('GET','/standings/rows',true);")
        .line("r.onreadystatechange=function(){if(r.readyState!==4)return;")
        .line("if(r.status===200)show(r.responseText);")
        .text("setTimeout(ask,")
        .number(standingsPollMilliseconds)
        .line(");};r.send();}")
        .line("if(window.EventSource){var s=new EventSource('/standings/events');")
        .line("s.onmessage=function(e){show(e.data);};")
        .line("s.onerror=function(){s.close();ask();};}else ask();")
        .line("})();")
        .line("</script></body></html>");
    return out;
}

std::string boardEvent(const std::string& rows) {
    std::string event;
    std::size_t from = 0;
    while (from < rows.size()) {
        const std::size_t end = std::min(rows.find('\n', from), rows.size());
        event += "data: " + rows.substr(from, end - from) + "\n";
        from = end + 1;
    }
    return (rows.empty() ? "data: \n" : event) + "\n";
}

} // namespace corvane::tables
