#pragma once
// Publishing the results: the windows ask for it, the program supplies it.
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace corvane::platform {

class Publisher {
public:
    virtual ~Publisher() = default;
    // Ends the running viewers, writes the pages and starts one viewer on the
    // leader board; a page that failed is said to `owner`.
    virtual void viewResults(QWidget* owner) = 0;
    // The same after a change that touched only `teams`' pages (nullopt: every
    // page may have changed): only those pages are made and written.
    virtual void publishChange(QWidget* owner,
                               const std::optional<std::vector<std::string>>& teams) = 0;
};

} // namespace corvane::platform
