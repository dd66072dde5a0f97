#include "reports/PageHead.h"

#include "reports/PageText.h"

namespace corvane {

void appendPageHead(std::string& out, PageKind kind) {
    PageText page(out);
    // The character set comes first so a browser reads every name in it as UTF-8.
    page.line("<head><meta charset=\"utf-8\"><title>Corvane Tournament Results</title><style "
              "type=\"text/css\">")
        .line("<!--")
        .line("body { background-image: url(back.jpg); }")
        .line(".style22 {font-family: Arial, Helvetica, sans-serif; font-weight: bold; font-size: "
              "12; }")
        .line(".style23 {font-family: Arial, Helvetica, sans-serif; font-size: 12; }")
        .line(".style24 {color: #FFFFFF; font-family: Arial, Helvetica, sans-serif; font-weight: "
              "bold; font-size: 24px; }")
        .line(".style25 {font-size: 14px; font-style: italic; }")
        .line(".style26 {font-family: Arial, Helvetica, sans-serif; font-size: 24px; color: "
              "#FFFFFF;}")
        .line(".style27 {color: #FFFFCC}");
    if (kind == PageKind::teamPage) {
        page.line(".style28 {color: #FFFFCC; font-family: Arial, Helvetica, sans-serif; "
                  "font-weight: font-size: 18px; }");
    }
    if (kind == PageKind::roundSheet) {
        // Score tables drawn with lines to write in, and printed without the background.
        page.line(".sheet th {font-family: Arial, Helvetica, sans-serif; font-weight: bold; "
                  "font-size: 12px; background-color: #FFCC66; text-align: left; }")
            .line(".sheet td {font-family: Arial, Helvetica, sans-serif; font-size: 12px; "
                  "height: 30px; }")
            .line(".sheet {page-break-inside: avoid; empty-cells: show; }")
            .line("@media print { body { background-image: none; } }");
    }
    page.line("-->")
        .line("</style></head><body>")
        .line("<p align=\"center\"><img src=\"title.jpg\" width=\"800\" height=\"100\" /></p>");
}

void appendTitleBlock(PageText& page, std::string_view title) {
    page.line("<table width=\"900\" border=\"0\" align=\"center\" cellpadding=\"0\" "
              "cellspacing=\"0\">")
        .line("<tr>")
        .line("<td><div align=\"center\"><span class=\"style26\"><span "
              "class=\"style25\">Tournament Results</span></span><span class=\"style24\"><br>")
        .text("<span class=\"style27\"> ")
        .name(title)
        .line("</span></span><br>")
        .line("</div></td></tr></table><br>");
}

} // namespace corvane
