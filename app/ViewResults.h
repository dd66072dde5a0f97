#pragma once
#include "platform/Publisher.h"

class QWidget;

namespace corvane::app {

// Ends every running viewer, writes the reports (one "Error" message if a page
// failed) and starts one viewer on the leader board.
void viewResults(QWidget* owner);

// The same as the publisher the windows reach through the platform services.
platform::Publisher& resultsPublisher();

} // namespace corvane::app
