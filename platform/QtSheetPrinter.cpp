#include "platform/SheetPrinter.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QRectF>
#include <QTextDocument>
#include <QUrl>

namespace corvane::platform {
namespace {

// The pages are laid out for a window this wide (the widest of their tables
// and a margin); the print scales that width to the paper's.
constexpr qreal pageWidthInPixels = 1000.0;

class QtSheetPrinter final : public SheetPrinter {
public:
    bool print(QWidget* owner, const PrintRequest& request) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(request.title);
        QPrintDialog dialog(&printer, owner);
        dialog.setWindowTitle(request.title);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        QTextDocument page;
        // The banner is found beside the page, as a browser finds it.
        page.setBaseUrl(
            QUrl::fromLocalFile(QDir(request.folder).absolutePath() + QLatin1Char('/')));
        page.setHtml(request.html);
        const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
        if (paper.width() > 0) {
            page.setPageSize(
                QSizeF(pageWidthInPixels, pageWidthInPixels * paper.height() / paper.width()));
        }
        page.print(&printer);
        return true;
    }
};

} // namespace

std::unique_ptr<SheetPrinter> makeQtSheetPrinter() {
    return std::make_unique<QtSheetPrinter>();
}

} // namespace corvane::platform
