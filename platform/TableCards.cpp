#include "platform/TableCards.h"

#include "platform/QrCode.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace corvane::platform {
namespace {

// Two columns of three cards on an A4 page.
constexpr int columns = 2;
constexpr int rows = 3;
constexpr int margin = 12; // between a card's edge and its contents, in points
constexpr int titlePoints = 20;
constexpr int textPoints = 10;

void drawCard(QPainter& painter, const QRectF& box, const TableCard& card) {
    painter.drawRect(box);
    const QRectF inner = box.adjusted(margin, margin, -margin, -margin);
    QFont font = painter.font();
    font.setPointSize(titlePoints);
    font.setBold(true);
    painter.setFont(font);
    const qreal titleHeight = 2 * titlePoints;
    painter.drawText(QRectF(inner.left(), inner.top(), inner.width(), titleHeight), Qt::AlignCenter,
                     QStringLiteral("Table %1").arg(card.number));
    font.setPointSize(textPoints);
    font.setBold(false);
    painter.setFont(font);
    const qreal textHeight = 5 * textPoints;
    const QRectF text(inner.left(), inner.bottom() - textHeight, inner.width(), textHeight);
    painter.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, card.teams + "\n" + card.link);
    const qreal side = std::min(inner.width(), text.top() - inner.top() - titleHeight);
    const QRectF code(inner.center().x() - side / 2, inner.top() + titleHeight, side, side);
    painter.drawImage(code, qrCode(card.link));
}

} // namespace

QString writeTableCards(const QString& pdfPath, const std::vector<TableCard>& cards) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Table cards"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return QStringLiteral("The file %1 cannot be written.").arg(pdfPath);
    }
    // Drawn in points, whatever the printer's resolution.
    const QRectF page = printer.pageLayout().paintRect(QPageLayout::Point);
    const qreal scale = printer.resolution() / 72.0;
    painter.scale(scale, scale);
    const qreal width = page.width() / columns;
    const qreal height = page.height() / rows;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int onPage = static_cast<int>(i % (columns * rows));
        if (i > 0 && onPage == 0) {
            printer.newPage();
        }
        const QRectF box((onPage % columns) * width, (onPage / columns) * height, width, height);
        drawCard(painter, box.adjusted(2, 2, -2, -2), cards[i]);
    }
    return painter.end() ? QString()
                         : QStringLiteral("The file %1 cannot be written.").arg(pdfPath);
}

} // namespace corvane::platform
