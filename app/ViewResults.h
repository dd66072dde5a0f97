#pragma once
#include "platform/Publisher.h"

class QWidget;

namespace corvane::app {

// Writes the reports (one "Error" message if a page failed), then shows the
// leader board: the open viewer of this working directory reloads it in
// place; without one, the running viewers of its tournaments are ended and
// one is started.
void viewResults(QWidget* owner);

// The same after a change that touched only `teams`' pages (nullopt: all).
void publishChange(QWidget* owner, const std::optional<std::vector<std::string>>& teams);

// The same as the publisher the windows reach through the platform services.
platform::Publisher& resultsPublisher();

} // namespace corvane::app
