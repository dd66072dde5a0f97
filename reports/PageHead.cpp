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
    page.line("-->")
        .line("</style></head><body>")
        .line("<p align=\"center\"><img src=\"title.jpg\" width=\"800\" height=\"100\" /></p>");
}

} // namespace corvane
