#pragma once
// What a PDF holds, read with qpdf: its sheets, where the links of each sheet
// lead, and how many images it keeps.
#include <QByteArray>
#include <map>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <vector>

namespace corvane::testing {

// Where a link leads: the sheet, from 0, or one of these.
inline constexpr int linkOutside = -1; // an action such as a web address
inline constexpr int linkNowhere = -2; // neither a sheet nor an action

struct PdfSummary {
    int sheets = 0;
    std::vector<std::vector<int>> links; // per sheet, in the order of its annotations
    int images = 0;
};

inline PdfSummary summarise(const QByteArray& pdf) {
    QPDF document;
    document.setSuppressWarnings(true);
    document.processMemoryFile("summarised", pdf.constData(), static_cast<std::size_t>(pdf.size()));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
    std::map<QPDFObjGen, int> sheetOf;
    for (std::size_t i = 0; i < pages.size(); ++i)
        sheetOf[pages[i].getObjectHandle().getObjGen()] = static_cast<int>(i);
    PdfSummary summary;
    summary.sheets = static_cast<int>(pages.size());
    for (QPDFPageObjectHelper& page : pages) {
        std::vector<int>& links = summary.links.emplace_back();
        QPDFObjectHandle annotations = page.getObjectHandle().getKey("/Annots");
        if (!annotations.isArray())
            continue;
        for (QPDFObjectHandle annotation : annotations.getArrayAsVector()) {
            QPDFObjectHandle dest = annotation.getKey("/Dest");
            if (dest.isArray() && dest.getArrayNItems() > 0) {
                const auto found = sheetOf.find(dest.getArrayItem(0).getObjGen());
                links.push_back(found == sheetOf.end() ? linkNowhere : found->second);
            } else {
                links.push_back(annotation.getKey("/A").isDictionary() ? linkOutside : linkNowhere);
            }
        }
    }
    for (QPDFObjectHandle object : document.getAllObjects())
        if (object.isStream() && object.getDict().getKey("/Subtype").isNameAndEquals("/Image"))
            ++summary.images;
    return summary;
}

} // namespace corvane::testing
