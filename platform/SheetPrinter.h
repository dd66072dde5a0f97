#pragma once
// Printing a page through the system's print dialog, behind one small
// interface so that tests print nothing.
#include <QString>
#include <memory>

class QWidget;

namespace corvane::platform {

struct PrintRequest {
    QString title;  // the print dialog's caption and the printed document's name
    QString html;   // the page to print
    QString folder; // where the page's images lie
};

class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;
    // Asks for a printer (or a PDF file) in a modal dialog owned by `owner` and
    // prints the page. False when the organiser cancelled.
    virtual bool print(QWidget* owner, const PrintRequest& request) = 0;
};

// The real printer: Qt's print dialog, the page laid out by Qt's rich text.
std::unique_ptr<SheetPrinter> makeQtSheetPrinter();

} // namespace corvane::platform
