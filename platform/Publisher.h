#pragma once
// Publishing the results: the windows ask for it, the program supplies it.
class QWidget;

namespace corvane::platform {

class Publisher {
public:
    virtual ~Publisher() = default;
    // Ends the running viewers, writes the pages and starts one viewer on the
    // leader board; a page that failed is said to `owner`.
    virtual void viewResults(QWidget* owner) = 0;
};

} // namespace corvane::platform
