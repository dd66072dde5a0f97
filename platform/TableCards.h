#pragma once
// The printable sheet of table cards: for each table its QR code, its number,
// its two teams and its link, written as a PDF file.
#include <QString>
#include <vector>

namespace corvane::platform {

struct TableCard {
    int number = 0;
    QString teams; // "Ann & Bob vs Cy & Dee", or "Any two teams"
    QString link;
};

// Empty when written; otherwise why not.
QString writeTableCards(const QString& pdfPath, const std::vector<TableCard>& cards);

} // namespace corvane::platform
