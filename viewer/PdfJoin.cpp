#include "viewer/PdfJoin.h"

#include <QDir>
#include <QHash>
#include <QUrl>
#include <exception>
#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <set>
#include <string>
#include <unordered_map>

namespace corvane::viewer {

namespace {

// Each printed page carries its own copy of every image it shows, such as the
// banner on every page; the joined document keeps one copy of each.
class ImageSharing {
public:
    void shareIn(QPDFObjectHandle resources) {
        // Resources shared by several pages or patterns are looked at once.
        if (!resources.isDictionary() ||
            (resources.isIndirect() && !visited_.insert(resources.getObjGen()).second)) {
            return;
        }
        QPDFObjectHandle xobjects = resources.getKey("/XObject");
        if (xobjects.isDictionary()) {
            for (const std::string& name : xobjects.getKeys()) {
                QPDFObjectHandle xobject = xobjects.getKey(name);
                if (!xobject.isStream()) {
                    continue;
                }
                QPDFObjectHandle dict = xobject.getDict();
                if (dict.getKey("/Subtype").isNameAndEquals("/Image")) {
                    xobjects.replaceKey(name, shared(xobject));
                } else {
                    shareIn(dict.getKey("/Resources"));
                }
            }
        }
        // Tiled backgrounds are patterns with resources of their own.
        QPDFObjectHandle patterns = resources.getKey("/Pattern");
        if (patterns.isDictionary()) {
            for (const std::string& name : patterns.getKeys()) {
                QPDFObjectHandle pattern = patterns.getKey(name);
                shareIn((pattern.isStream() ? pattern.getDict() : pattern).getKey("/Resources"));
            }
        }
    }

private:
    // The first image with the same dictionary and the same bytes.
    QPDFObjectHandle shared(QPDFObjectHandle image) {
        const std::shared_ptr<Buffer> data = image.getRawStreamData();
        std::string key = image.getDict().unparseResolved();
        key += '\n';
        key.append(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        return images_.try_emplace(std::move(key), image).first->second;
    }

    std::unordered_map<std::string, QPDFObjectHandle> images_;
    std::set<QPDFObjGen> visited_;
};

// Turns the links of the joined sheets to printed page files into links to
// their first sheets.
void linkWithin(std::vector<QPDFPageObjectHelper>& sheets,
                const QHash<QString, std::size_t>& firstSheetOf) {
    for (QPDFPageObjectHelper& sheet : sheets) {
        QPDFObjectHandle annotations = sheet.getObjectHandle().getKey("/Annots");
        if (!annotations.isArray()) {
            continue;
        }
        for (QPDFObjectHandle annotation : annotations.getArrayAsVector()) {
            QPDFObjectHandle action =
                annotation.isDictionary() ? annotation.getKey("/A") : QPDFObjectHandle::newNull();
            if (!action.isDictionary() || !action.getKey("/S").isNameAndEquals("/URI") ||
                !action.getKey("/URI").isString()) {
                continue;
            }
            const QUrl target(QString::fromStdString(action.getKey("/URI").getUTF8Value()));
            if (!target.isLocalFile()) {
                continue;
            }
            annotation.removeKey("/A");
            const auto found = firstSheetOf.constFind(QDir::cleanPath(target.toLocalFile()));
            if (found != firstSheetOf.cend()) {
                annotation.replaceKey(
                    "/Dest", QPDFObjectHandle::newArray({sheets[*found].getObjectHandle(),
                                                         QPDFObjectHandle::newName("/Fit")}));
            }
        }
    }
}

} // namespace

std::optional<QByteArray> joinPrintedPages(const std::vector<PrintedPage>& pages, QString& error) {
    try {
        QPDF joined;
        joined.emptyPDF();
        QPDFPageDocumentHelper joinedPages(joined);
        // Sheets copied from a print refer to it until the joined document is written.
        std::vector<std::unique_ptr<QPDF>> prints;
        prints.reserve(pages.size());
        QHash<QString, std::size_t> firstSheetOf;
        std::size_t sheetCount = 0;
        for (const PrintedPage& page : pages) {
            auto print = std::make_unique<QPDF>();
            print->setSuppressWarnings(true);
            const std::string name = page.file.toStdString();
            print->processMemoryFile(name.c_str(), page.pdf.constData(),
                                     static_cast<std::size_t>(page.pdf.size()));
            firstSheetOf.insert(QDir::cleanPath(page.file), sheetCount);
            for (QPDFPageObjectHelper& sheet : QPDFPageDocumentHelper(*print).getAllPages()) {
                joinedPages.addPage(sheet, false);
                ++sheetCount;
            }
            prints.push_back(std::move(print));
        }
        std::vector<QPDFPageObjectHelper> sheets = joinedPages.getAllPages();
        ImageSharing sharing;
        for (QPDFPageObjectHelper& sheet : sheets) {
            sharing.shareIn(sheet.getAttribute("/Resources", false));
        }
        linkWithin(sheets, firstSheetOf);
        QPDFWriter writer(joined);
        writer.setOutputMemory();
        // The same pages give the same bytes.
        writer.setDeterministicID(true);
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()),
                          static_cast<qsizetype>(bytes->getSize()));
    } catch (const std::exception& failure) {
        error = QString::fromLocal8Bit(failure.what());
        return std::nullopt;
    }
}

} // namespace corvane::viewer
