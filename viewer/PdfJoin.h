#pragma once
// One PDF made of several, each the print of one page file.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace corvane::viewer {

struct PrintedPage {
    QString file;   // the page file printed, as an absolute path
    QByteArray pdf; // its print
};

// The pages of every print joined into one document, in the order given.
// A link to a page file printed here leads to that print's first sheet; a link
// to any other local file is dropped, as it would lead nowhere on another
// computer. An image several prints share is kept once. Nothing, with the
// reason in `error`, when a print cannot be read as a PDF.
std::optional<QByteArray> joinPrintedPages(const std::vector<PrintedPage>& pages, QString& error);

} // namespace corvane::viewer
