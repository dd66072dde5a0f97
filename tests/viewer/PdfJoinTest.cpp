// Which pages of a tournament folder one PDF takes, in which order, and how
// the prints of the pages are joined: sheets in order, links between the pages
// kept inside the document, shared images kept once.
#include "viewer/PdfJoin.h"

#include "PdfSummary.h"
#include "viewer/PdfPages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <qpdf/QPDFWriter.hh>

namespace corvane::testing {
namespace {

using viewer::PrintedPage;

// A print of `sheets` sheets whose first sheet links to each of `links` and
// shows an image of the bytes `image`.
QByteArray print(int sheets, const std::vector<std::string>& links, const std::string& image) {
    QPDF document;
    document.emptyPDF();
    QPDFPageDocumentHelper pages(document);
    for (int i = 0; i < sheets; ++i) {
        QPDFObjectHandle page = document.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 100 100] /Resources << "
                                    "/XObject << >> >> /Annots [] >>"));
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&document, "q Q"));
        if (i == 0) {
            QPDFObjectHandle picture = QPDFObjectHandle::newStream(&document, image);
            picture.replaceDict(QPDFObjectHandle::parse(
                "<< /Type /XObject /Subtype /Image /Width 1 /Height 1 /ColorSpace /DeviceGray "
                "/BitsPerComponent 8 >>"));
            page.getKey("/Resources").getKey("/XObject").replaceKey("/Im0", picture);
            for (const std::string& link : links) {
                QPDFObjectHandle action = QPDFObjectHandle::parse("<< /S /URI >>");
                action.replaceKey("/URI", QPDFObjectHandle::newString(link));
                QPDFObjectHandle annotation =
                    QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Rect [0 0 10 10] >>");
                annotation.replaceKey("/A", action);
                page.getKey("/Annots").appendItem(document.makeIndirectObject(annotation));
            }
        }
        pages.addPage(QPDFPageObjectHelper(page), false);
    }
    QPDFWriter writer(document);
    writer.setOutputMemory();
    writer.write();
    const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()),
                      static_cast<qsizetype>(bytes->getSize()));
}

TEST(PdfJoin, SheetsFollowInOrderAndLinksBetweenThePagesStayInside) {
    const std::vector<PrintedPage> prints = {
        {"/club/T1/tournament.html",
         print(2, {"file:///club/T1/b.html", "file:///club/T1/gone.html", "https://example.org/"},
               "banner")},
        {"/club/T1/b.html", print(1, {"file:///club/T1/tournament.html"}, "banner")},
        {"/club/T1/c.html", print(1, {}, "other")},
    };
    QString error;
    const std::optional<QByteArray> joined = viewer::joinPrintedPages(prints, error);
    ASSERT_TRUE(joined) << error.toStdString();
    const PdfSummary summary = summarise(*joined);
    EXPECT_EQ(summary.sheets, 4);
    // b.html is the third sheet; a page that was not printed leads nowhere.
    EXPECT_EQ(summary.links,
              (std::vector<std::vector<int>>{{2, linkNowhere, linkOutside}, {}, {0}, {}}));
    EXPECT_EQ(summary.images, 2) << "the banner kept once";
    // The same prints give the same bytes.
    EXPECT_EQ(viewer::joinPrintedPages(prints, error), joined);
}

TEST(PdfJoin, APrintThatIsNoPdfIsRefusedWithTheReason) {
    QString error;
    EXPECT_EQ(viewer::joinPrintedPages({{"/club/T1/tournament.html", "not a PDF at all"}}, error),
              std::nullopt);
    EXPECT_FALSE(error.isEmpty());
}

TEST(PdfPages, LeaderBoardThenLinkedPagesThenEveryOtherPageByName) {
    QTemporaryDir dir;
    QDir folder(dir.path());
    for (const char* name : {"tournament.html", "b.html", "a.html", "schedule.html", "Round.HTML",
                             "notes.txt", "title.jpg"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(folder.mkpath("old.html")); // a folder, no page
    const QStringList linked = {folder.filePath("b.html"),       folder.filePath("tournament.html"),
                                folder.filePath("missing.html"), "/elsewhere/a.html",
                                folder.filePath("b.html"),       folder.filePath("a.html")};
    QStringList names;
    for (const QString& path : viewer::pdfPageOrder(dir.path() + "/.", linked))
        names << path.mid(dir.path().size() + 1);
    EXPECT_EQ(names,
              (QStringList{"tournament.html", "b.html", "a.html", "Round.HTML", "schedule.html"}));

    ASSERT_TRUE(folder.remove("tournament.html"));
    EXPECT_TRUE(viewer::pdfPageOrder(dir.path(), linked).isEmpty());
}

} // namespace
} // namespace corvane::testing
